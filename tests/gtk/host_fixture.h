// The GTK host on a real display (run under Xvfb), with a window procedure of
// the tests' own that logs what reaches it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/hosts/gtk/gtk_state.h"

struct Logged {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
// WM_KEYDOWN, WM_KEYUP, WM_SIZE, WM_HSCROLL, WM_VSCROLL and WM_CLOSE as they
// arrived.
extern std::vector<Logged> g_logged;
std::vector<Logged> LoggedOf(UINT message);

// Delivers the layer's messages and lets GTK work until `done` holds, for at
// most two seconds of real time: a real display answers when it answers.
bool PumpUntil(const std::function<bool()> &done);
// Delivers what is waiting, on both sides, until neither has anything.
void Settle();

// A key press (or release) as the X server would deliver it to a window.
void SendKey(GdkWindow *window, guint keyval, GdkModifierType state,
             GdkEventType type = GDK_KEY_PRESS);

class GtkHostTest : public ::testing::Test {
protected:
    // The platform once, with a window class whose procedure logs.
    static void SetUpTestSuite();
    // A shown 800x600 window at (100, 100), the log empty.
    void SetUp() override;
    void TearDown() override;

    HostTopLevel *TopLevel() const { return FindTopLevel(hwnd_); }

    // A press and its release, or either of them, on the window.
    void PressKey(guint keyval, GdkModifierType state);
    void SendWindowKey(guint keyval, GdkEventType type);

    HWND hwnd_ = nullptr;
};

