// The boundary between the window layer (platform/user, platform/gdi) and the
// host that puts its windows somewhere: hosts/gtk on a real display,
// hosts/headless in memory for the tests and the replay driver. Both hosts
// implement every function of namespace host; the layer implements every
// function of namespace layer, which the hosts call when something happens.
//
// The layer owns the truth: windows, their geometry, titles, scroll-bar
// settings, the message queue, timers and the client pixels (a cairo surface
// per window). A host mirrors that state on its display and turns its input
// into calls of namespace layer. All text crossing this boundary is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

#include "platform/win32.h"

struct DialogTemplate;

// What a host shows for one standard scroll bar of a window.
struct ScrollBarView {
    bool visible = false;
    bool enabled = false;   // false: shown greyed, sends no requests
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
};

// An icon's picture for a window's title bar and task list: premultiplied
// ARGB pixels (cairo's ARGB32), top row first.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

namespace host {

// Start-up, with main's arguments (GTK takes its own options out of them).
void Init(int *argc, char ***argv);

// The desktop's rectangle in screen coordinates (left and top 0).
RECT ScreenRect();

// The thickness of the decoration a top-level window gets around its client
// area (title bar, borders), for outer <-> client size arithmetic. The client
// area also loses the width of a visible vertical scroll bar and the height of
// a visible horizontal one: ScrollBarThickness().
RECT FrameInsets();
int ScrollBarThickness();

// The screen's scale: device pixels per 96-DPI pixel (1, 2, ...). Every size
// that crosses this boundary is in device pixels, as a per-monitor DPI-aware
// Windows program sees them: the screen, the frame, the bars, the windows.
int ScaleFactor();

// Top-level windows. The layer creates one hidden, then moves, shows, titles
// and destroys it. After a host-side change of the client size (the user
// resizing, a scroll bar shown or hidden) the host calls
// layer::OnClientResized; after a move, layer::OnMoved.
void CreateTopLevel(HWND hwnd, const RECT &outer);
void DestroyTopLevel(HWND hwnd);
void MoveTopLevel(HWND hwnd, const RECT &outer);
void ShowTopLevel(HWND hwnd, int showCommand);
void SetTitle(HWND hwnd, const std::string &utf8);
void SetIbeamCursor(HWND hwnd);
// The icon of a top-level window or a dialog (its class icon, or WM_SETICON).
void SetIcon(HWND hwnd, const IconImage &icon);
void UpdateScrollBar(HWND hwnd, int bar, const ScrollBarView &view);

// The layer changed the client pixels inside `rect`: show them.
void ClientPixelsChanged(HWND hwnd, const RECT &rect);
// A fresh image surface (RGB24) for a window's client pixels, in memory the
// host can show them from without copying them first.
cairo_surface_t *CreateClientSurface(int width, int height);

// Milliseconds on the host's clock (a real monotonic clock, or the headless
// host's virtual one).
int64_t NowMs();

// Blocks until the host has delivered at least one event to the layer, or
// until the clock reaches wakeAtMs (-1: no deadline). The layer calls it when
// its queue is empty, nothing needs painting and no timer is due.
void WaitForEvents(int64_t wakeAtMs);

// A modal message box with an OK button; returns when it is dismissed.
void ShowMessageBox(HWND owner, const std::string &textUtf8, const std::string &captionUtf8,
                    UINT type);

// Modal dialogs: the layer builds the dialog window and its controls from the
// template (each control an HWND with its id), then asks the host to show it;
// the layer's own nested loop runs until EndDialog. The host reports the
// user's actions with layer::OnDialogCommand and layer::OnEditTextChanged.
void CreateDialogWindow(HWND dialog, HWND owner, const DialogTemplate &dialogTemplate);
void DestroyDialogWindow(HWND dialog);
void SetControlText(HWND control, const std::string &utf8);
void SetEditLimit(HWND edit, int maxCharacters);
void FocusControl(HWND control);

}  // namespace host

namespace layer {

// Host -> layer: what happened on the display.
void OnClientResized(HWND hwnd, int clientWidth, int clientHeight);
void OnMoved(HWND hwnd, const RECT &outer);
// The window is now on a screen of another scale (moved to another monitor,
// or the desktop's scale changed): WM_DPICHANGED with the suggested rectangle.
void OnScaleChanged(HWND hwnd, int scale);
// Minimised, maximised or restored on the host's side (showState is
// SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED or SW_SHOWNORMAL), with the new client
// size when the host knows it (-1, -1: the layer works it out).
void OnShowStateChanged(HWND hwnd, int showState, int clientWidth, int clientHeight);
// A key pressed; `autoRepeat` when it was already down (the keyboard's
// repeat of a held key), which may fold into a key-down still waiting.
void OnKeyDown(HWND hwnd, UINT virtualKey, bool autoRepeat = false);
void OnKeyUp(HWND hwnd, UINT virtualKey);
void OnCloseRequested(HWND hwnd);
void OnScrollRequest(HWND hwnd, int bar, int requestCode, int thumbPosition);
void OnDialogCommand(HWND dialog, int commandId);
void OnEditTextChanged(HWND edit, const std::string &utf8);
void OnFocusChanged(HWND control);

// The window's client pixels, for a host that draws them on screen or writes
// them to a file; null for a window without a client surface.
cairo_surface_t *ClientSurface(HWND hwnd);

}  // namespace layer
