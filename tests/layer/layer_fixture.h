// A test window of the tests' own on the headless host: its procedure records
// every message it receives, and each test starts from an empty layer.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/hosts/headless/headless.h"
#include "platform/user/observe.h"
#include "platform/win32.h"

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int clientWidth;   // the client size the window had when it arrived
    int clientHeight;
};

// Everything the test windows' procedure saw, oldest first.
std::vector<Received> &Log();
// The messages of the log, in order, with WM_ERASEBKGND and WM_CHAR left out
// unless asked for.
std::vector<UINT> LoggedMessages(bool all = false);
// What the procedure does on top of recording (return value), set per test.
extern std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> g_testReaction;

// The class "LayerTest": CS_HREDRAW | CS_VREDRAW, black brush, I-beam cursor;
// WM_PAINT paints the whole update area white, WM_DESTROY posts quit 7.
constexpr const char *kTestClass = "LayerTest";
void RegisterTestClass();
HWND CreateTestWindow(int width = 800, int height = 600);

// Runs `steps` one by one whenever the layer waits for input.
void SetScript(std::deque<std::function<void()>> steps);

// The RGB of one client pixel (0xRRGGBB).
uint32_t PixelAt(HWND hwnd, int x, int y);
void FillClient(HWND hwnd, uint32_t rgb);

class LayerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Delivers what is waiting and forgets what was logged before.
    void Settle();
};
