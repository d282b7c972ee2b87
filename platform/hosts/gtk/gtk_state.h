// The GTK host's one state record: the GTK widgets that stand for the layer's
// windows, and what the host has learnt about the display. Only the files of
// platform/hosts/gtk/ see it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

// The Windows header first: GLib then keeps its TRUE and FALSE.
#include "platform/hosts/host.h"

#include <gtk/gtk.h>

struct DialogTemplate;

// A top-level window: a GtkWindow holding a grid of the client area (a
// GtkDrawingArea) with the vertical bar on its right and the horizontal bar
// below it, as Windows places them.
struct HostTopLevel {
    HWND hwnd = nullptr;
    int scale = 1;  // GTK's scale factor for the window's monitor
    GtkWidget *window = nullptr;
    GtkWidget *client = nullptr;
    GtkWidget *bars[2] = {nullptr, nullptr};  // indexed by SB_HORZ, SB_VERT
    GtkWidget *corner = nullptr;              // between the two bars
    bool ibeam = false;
    // A thumb drag in progress on that bar, and where the thumb is.
    bool dragging[2] = {false, false};
    int dragPosition[2] = {0, 0};
    // An arrow end or the trough held down: the GLib source that repeats its
    // line or page request, and for the trough where the pointer is along
    // the bar (-1 for an arrow).
    guint arrowRepeat[2] = {0, 0};
    int arrowRequest[2] = {0, 0};
    int troughAlong[2] = {-1, -1};
};

// A modal dialog built from a template: one widget per template control, in
// template order.
struct HostDialog {
    HWND hwnd = nullptr;
    HWND owner = nullptr;
    const DialogTemplate *dialogTemplate = nullptr;
    GtkWidget *window = nullptr;
    std::vector<GtkWidget *> controls;
};

struct GtkHostState {
    std::vector<std::unique_ptr<HostTopLevel>> topLevels;
    std::vector<std::unique_ptr<HostDialog>> dialogs;
    // GTK's pixels (logical: device pixels / scale), like everything GTK gives.
    RECT frameInsets = {0, 0, 0, 0};
    bool frameMeasured = false;
    int scrollBarThickness = 0;
    // The screen's scale factor at start-up (GDK_SCALE, or the desktop's).
    int scale = 1;
    // Counts the calls into namespace layer, so WaitForEvents can tell an
    // event meant for the application from GTK's own housekeeping.
    uint64_t deliveries = 0;
    // Hardware codes of the keys pressed on our windows and not yet released:
    // a press of one of them is the keyboard's auto-repeat.
    std::vector<guint16> heldKeys;
};

GtkHostState &GtkHost();

HostTopLevel *FindTopLevel(HWND hwnd);
HostDialog *FindDialog(HWND dialog);
// The widget of a dialog control and the dialog holding it, found through the
// layer's GetDlgItem; null when the control is unknown.
GtkWidget *FindControlWidget(HWND control, HostDialog **dialogOut = nullptr);

// The layer counts device pixels, GTK its own (device pixels / scale): a
// rectangle from one to the other. Towards GTK, a rectangle is widened to
// whole GTK pixels.
inline RECT ToDevicePixels(const RECT &r, int scale)
{
    return RECT{r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
}
inline RECT ToGtkPixels(const RECT &r, int scale)
{
    auto down = [scale](LONG v) { return LONG(v >= 0 ? v / scale : -((-v + scale - 1) / scale)); };
    auto up = [scale](LONG v) { return LONG(v >= 0 ? (v + scale - 1) / scale : -(-v / scale)); };
    return RECT{down(r.left), down(r.top), up(r.right), up(r.bottom)};
}

// Every signal handler that reports to the layer calls this first.
inline void NoteDelivery() { ++GtkHost().deliveries; }

// Takes the entry for `hwnd` out of a list of top-levels or dialogs and returns
// its GTK window (null when there is none), for the caller to destroy: the
// entry goes first, so that no handler finds a half-destroyed window.
template <typename List>
GtkWidget *TakeHostWindow(List &list, HWND hwnd)
{
    auto found = std::find_if(list.begin(), list.end(),
                              [hwnd](const auto &entry) { return entry->hwnd == hwnd; });
    if (found == list.end()) return nullptr;
    GtkWidget *window = (*found)->window;
    list.erase(found);
    return window;
}

// Builds the client area and scroll bars inside a new top-level (client_area.cpp,
// scroll_bars.cpp).
GtkWidget *CreateClientArea(HostTopLevel *topLevel);
GtkWidget *CreateScrollBar(HostTopLevel *topLevel, int bar);
GtkWidget *CreateScrollCorner(HostTopLevel *topLevel);
void ApplyScrollBarView(HostTopLevel *topLevel, int bar, const ScrollBarView &view);
// Connects the window's key presses and releases to the layer (input.cpp).
void ConnectKeyPresses(HostTopLevel *topLevel);
// Learns the window manager's frame once a window is on screen (frame.cpp).
void WatchFrame(HostTopLevel *topLevel);
// Asks the window manager, before the window is shown, what frame it will put
// around it; false when there is no answer (frame.cpp).
bool AskFrameInsets(GtkWidget *window, RECT *insets);
