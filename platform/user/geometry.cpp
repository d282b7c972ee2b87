// Window geometry: outer and client rectangles, the client surface, moving,
// sizing and showing top-level windows, and the host's reports of the same.
#include <algorithm>

#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

int Width(const RECT &r) { return r.right - r.left; }
int Height(const RECT &r) { return r.bottom - r.top; }

// The room the frame and the visible scroll bars take from the outer size.
void NonClientSize(const KovloWindow &window, int *width, int *height)
{
    RECT insets = host::FrameInsets();
    int bar = ScaleSystemPixels(window, host::ScrollBarThickness());
    *width = ScaleSystemPixels(window, insets.left + insets.right) +
             (window.bars[SB_VERT].visible ? bar : 0);
    *height = ScaleSystemPixels(window, insets.top + insets.bottom) +
              (window.bars[SB_HORZ].visible ? bar : 0);
}

bool IsMinimized(const KovloWindow &window) { return window.showState == SW_SHOWMINIMIZED; }

// Marks what a size change exposes: everything for a class that redraws on
// resizing, else only the new strips; drops what lies outside the client area.
void InvalidateAfterResize(KovloWindow *window, int oldWidth, int oldHeight)
{
    cairo_rectangle_int_t client{0, 0, window->clientWidth, window->clientHeight};
    cairo_region_intersect_rectangle(window->invalid, &client);
    bool redrawAll = ((window->classStyle & CS_HREDRAW) && oldWidth != window->clientWidth) ||
                     ((window->classStyle & CS_VREDRAW) && oldHeight != window->clientHeight);
    if (redrawAll) {
        InvalidateClientRect(window, RECT{0, 0, window->clientWidth, window->clientHeight}, true);
        return;
    }
    InvalidateClientRect(window, RECT{oldWidth, 0, window->clientWidth, window->clientHeight}, true);
    InvalidateClientRect(window, RECT{0, oldHeight, window->clientWidth, window->clientHeight}, true);
}

// Gives the window its new client size; sends WM_SIZE once it exists.
void ChangeClientSize(HWND hwnd, KovloWindow *window, int width, int height, WPARAM sizeKind)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (window->surface != nullptr && width == window->clientWidth &&
        height == window->clientHeight)
        return;
    int oldWidth = window->clientWidth, oldHeight = window->clientHeight;
    SetClientSize(window, width, height);
    InvalidateAfterResize(window, oldWidth, oldHeight);
    if (window->created) SendMessageA(hwnd, WM_SIZE, sizeKind, MAKELPARAM(width, height));
}

void ClientSizeForOuter(const KovloWindow &window, const RECT &outer, int *width, int *height)
{
    int nonClientWidth, nonClientHeight;
    NonClientSize(window, &nonClientWidth, &nonClientHeight);
    *width = IsMinimized(window) ? 0 : Width(outer) - nonClientWidth;
    *height = IsMinimized(window) ? 0 : Height(outer) - nonClientHeight;
}

}  // namespace

namespace layer_internal {

void SetClientSize(KovloWindow *window, int width, int height)
{
    cairo_surface_t *fresh = host::CreateClientSurface(width, height);
    if (window->surface != nullptr) {
        // Pixels that stay inside the client area survive the resize.
        cairo_t *cr = cairo_create(fresh);
        cairo_set_source_surface(cr, window->surface, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(window->surface);
    }
    window->surface = fresh;
    window->clientWidth = width;
    window->clientHeight = height;
}

RECT OuterForClient(const KovloWindow &window, int clientWidth, int clientHeight)
{
    int nonClientWidth, nonClientHeight;
    NonClientSize(window, &nonClientWidth, &nonClientHeight);
    RECT outer = window.outer;
    outer.right = outer.left + clientWidth + nonClientWidth;
    outer.bottom = outer.top + clientHeight + nonClientHeight;
    return outer;
}

void ApplyOuterRect(HWND hwnd, const RECT &outer, bool sendSize, WPARAM sizeKind)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return;
    window->outer = outer;
    int width, height;
    ClientSizeForOuter(*window, outer, &width, &height);
    if (sendSize) ChangeClientSize(hwnd, window, width, height, sizeKind);
    host::MoveTopLevel(hwnd, outer);
}

}  // namespace layer_internal

extern "C" BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, window->clientWidth, window->clientHeight};
    return TRUE;
}

extern "C" BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || rect == nullptr) return FALSE;
    if (window->kind == WindowKind::Desktop) window->outer = host::ScreenRect();
    *rect = window->outer;
    return TRUE;
}

namespace {

// Shows a hidden window; becoming visible exposes its whole client area.
void MakeVisible(HWND hwnd, KovloWindow *window, int showCommand)
{
    if (window->visible) return;
    window->visible = true;
    if (window->kind == WindowKind::TopLevel) {
        InvalidateClientRect(window, RECT{0, 0, window->clientWidth, window->clientHeight}, true);
        host::ShowTopLevel(hwnd, showCommand);
    }
}

}  // namespace

extern "C" BOOL SetWindowPos(HWND hwnd, HWND, int x, int y, int cx, int cy, UINT flags)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel) return FALSE;
    RECT outer = window->outer;
    if (!(flags & SWP_NOMOVE)) outer = RECT{x, y, x + Width(outer), y + Height(outer)};
    if (!(flags & SWP_NOSIZE)) outer = RECT{outer.left, outer.top, outer.left + cx, outer.top + cy};
    ApplyOuterRect(hwnd, outer, true, SIZE_RESTORED);
    if (flags & SWP_SHOWWINDOW) MakeVisible(hwnd, window, SW_SHOW);
    return TRUE;
}

namespace {

// A maximised window covers the screen; its side and bottom borders hang over
// the edges and only the caption stays in view, as on Windows.
RECT MaximizedOuter()
{
    RECT screen = host::ScreenRect();
    RECT insets = host::FrameInsets();
    return RECT{screen.left - insets.left, screen.top - insets.bottom, screen.right + insets.right,
                screen.bottom + insets.bottom};
}

// Minimised windows park far off the screen with an empty client area.
RECT MinimizedOuter() { return RECT{-32000, -32000, -32000 + 160, -32000 + 28}; }

RECT OuterForState(const KovloWindow &window, int state)
{
    return state == SW_SHOWMINIMIZED   ? MinimizedOuter()
           : state == SW_SHOWMAXIMIZED ? MaximizedOuter()
                                       : window.restoredOuter;
}

WPARAM SizeKindFor(int state)
{
    return state == SW_SHOWMINIMIZED   ? SIZE_MINIMIZED
           : state == SW_SHOWMAXIMIZED ? SIZE_MAXIMIZED
                                       : SIZE_RESTORED;
}

// Records a new show state; false when the window is already in it.
bool EnterShowState(KovloWindow *window, int state)
{
    if (window->showState == state) return false;
    if (window->showState == SW_SHOWNORMAL) window->restoredOuter = window->outer;
    window->showState = state;
    return true;
}

void ChangeShowState(HWND hwnd, KovloWindow *window, int state)
{
    if (!EnterShowState(window, state)) return;
    ApplyOuterRect(hwnd, OuterForState(*window, state), true, SizeKindFor(state));
}

// The state a show command asks for; -1 when it keeps the current one.
int RequestedState(int showCommand)
{
    switch (showCommand) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: return SW_SHOWMINIMIZED;
    case SW_SHOWMAXIMIZED: return SW_SHOWMAXIMIZED;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT: return SW_SHOWNORMAL;
    default: return -1;
    }
}

}  // namespace

extern "C" BOOL ShowWindow(HWND hwnd, int showCommand)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind == WindowKind::Desktop) return FALSE;
    BOOL wasVisible = window->visible ? TRUE : FALSE;
    if (showCommand == SW_HIDE) {
        window->visible = false;
        if (window->kind == WindowKind::TopLevel) host::ShowTopLevel(hwnd, SW_HIDE);
        return wasVisible;
    }
    MakeVisible(hwnd, window, showCommand);
    int state = RequestedState(showCommand);
    if (window->kind == WindowKind::TopLevel && state != -1) {
        ChangeShowState(hwnd, window, state);
        host::ShowTopLevel(hwnd, showCommand);
    }
    return wasVisible;
}

namespace layer {

void OnClientResized(HWND hwnd, int clientWidth, int clientHeight)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel) return;
    clientWidth = std::max(clientWidth, 0);
    clientHeight = std::max(clientHeight, 0);
    if (!IsMinimized(*window)) window->outer = OuterForClient(*window, clientWidth, clientHeight);
    if (!window->created) {
        // Still being created: the host settles the size before WM_CREATE.
        SetClientSize(window, clientWidth, clientHeight);
        return;
    }
    // A minimised window's client area stays empty until it is restored; a
    // maximised one keeps saying so with each new size, as on Windows.
    if (IsMinimized(*window)) return;
    ChangeClientSize(hwnd, window, clientWidth, clientHeight, SizeKindFor(window->showState));
}

// The user (or the window manager) minimised, maximised or restored the
// window: Windows sends WM_SIZE for each change of state, even when the
// client size stays, and the host already shows the new state. A host that
// knows the new client size gives it; -1 takes the layer's own arithmetic.
void OnShowStateChanged(HWND hwnd, int showState, int clientWidth, int clientHeight)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel || !window->created) return;
    if (!EnterShowState(window, showState)) return;
    window->outer = OuterForState(*window, showState);
    if (clientWidth < 0 || clientHeight < 0)
        ClientSizeForOuter(*window, window->outer, &clientWidth, &clientHeight);
    if (IsMinimized(*window)) clientWidth = clientHeight = 0;
    bool same = clientWidth == window->clientWidth && clientHeight == window->clientHeight;
    ChangeClientSize(hwnd, window, clientWidth, clientHeight, SizeKindFor(showState));
    if (same) SendMessageA(hwnd, WM_SIZE, SizeKindFor(showState), MAKELPARAM(clientWidth, clientHeight));
}

void OnMoved(HWND hwnd, const RECT &outer)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel) return;
    window->outer = RECT{outer.left, outer.top, outer.left + Width(window->outer),
                         outer.top + Height(window->outer)};
}

cairo_surface_t *ClientSurface(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    return window != nullptr ? window->surface : nullptr;
}

}  // namespace layer
