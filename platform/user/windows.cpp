// Creating and destroying windows, and the default window procedure.
#include "platform/text/cp932.h"
#include "platform/user/icon_image.h"
#include "platform/user/window_class.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

// Where CW_USEDEFAULT puts a window: a little in from the screen's corner, as
// the first window of a session lands on Windows.
constexpr int kDefaultOffset = 26;

RECT InitialOuterRect(int x, int y, int width, int height)
{
    RECT screen = host::ScreenRect();
    if (width == CW_USEDEFAULT) {
        width = (screen.right - screen.left) * 3 / 4;
        height = (screen.bottom - screen.top) * 3 / 4;
    }
    if (x == CW_USEDEFAULT) {
        x = screen.left + kDefaultOffset;
        y = screen.top + kDefaultOffset;
    }
    return RECT{x, y, x + width, y + height};
}

std::unique_ptr<KovloWindow> NewTopLevel(const WindowClassRecord &windowClass, LPCSTR title,
                                         DWORD style, const RECT &outer)
{
    auto window = std::make_unique<KovloWindow>();
    window->kind = WindowKind::TopLevel;
    window->procedure = windowClass.procedure;
    window->classStyle = windowClass.style;
    window->background = windowClass.background;
    window->cursor = windowClass.cursor;
    window->icon = windowClass.icon;
    window->className = windowClass.name;
    window->text = title != nullptr ? title : "";
    window->style = style;
    window->outer = outer;
    window->restoredOuter = outer;
    window->invalid = cairo_region_create();
    return window;
}

HWND CreateControl(const WindowClassRecord &windowClass, LPCSTR text, DWORD style, HWND parent,
                   HMENU menu)
{
    if (FindWindowRecord(parent) == nullptr) return nullptr;
    auto window = std::make_unique<KovloWindow>();
    window->kind = WindowKind::Control;
    window->procedure = windowClass.procedure;
    window->className = windowClass.name;
    window->text = text != nullptr ? text : "";
    window->style = style;
    window->parent = parent;
    window->id = static_cast<int>(reinterpret_cast<intptr_t>(menu));
    window->visible = (style & WS_VISIBLE) != 0;
    window->created = true;
    return AdoptWindow(std::move(window));
}

// Shows the class cursor and the title on the host, and gives the window the
// client surface that the host's frame leaves.
void PresentOnHost(HWND hwnd, KovloWindow *window)
{
    RECT insets = host::FrameInsets();
    SetClientSize(window, window->outer.right - window->outer.left - insets.left - insets.right,
                  window->outer.bottom - window->outer.top - insets.top - insets.bottom);
    host::CreateTopLevel(hwnd, window->outer);  // may report another client size
    host::SetTitle(hwnd, Cp932ToUtf8(window->text));
    if (window->cursor == LoadCursorA(nullptr, IDC_IBEAM)) host::SetIbeamCursor(hwnd);
    if (const IconImage *icon = IconImageOf(window->icon)) host::SetIcon(hwnd, *icon);
}

void DestroyChildren(HWND hwnd)
{
    for (HWND child : ChildWindows(hwnd)) DestroyWindow(child);
}

}  // namespace

extern "C" HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                                int y, int width, int height, HWND parent, HMENU menu, HINSTANCE,
                                LPVOID param)
{
    const WindowClassRecord *windowClass = FindWindowClass(className);
    if (windowClass == nullptr) return nullptr;
    if (style & WS_CHILD) return CreateControl(*windowClass, windowName, style, parent, menu);
    HWND hwnd = AdoptWindow(
        NewTopLevel(*windowClass, windowName, style, InitialOuterRect(x, y, width, height)));
    KovloWindow *window = FindWindowRecord(hwnd);
    PresentOnHost(hwnd, window);
    window->created = true;
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(param)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

extern "C" BOOL DestroyWindow(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind == WindowKind::Desktop) return FALSE;
    // WM_DESTROY reaches the window before its children, as on Windows.
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    DestroyChildren(hwnd);
    KillTimersOf(hwnd);
    PurgeMessagesFor(hwnd);
    if (window->kind == WindowKind::TopLevel) host::DestroyTopLevel(hwnd);
    RetireWindow(hwnd);
    return TRUE;
}

namespace {

// Erases the part of the client area being painted with the class brush.
LRESULT EraseBackground(KovloWindow *window)
{
    if (window->background == nullptr || window->surface == nullptr) return 0;
    // Outside a paint the whole client area is erased.
    cairo_rectangle_int_t whole{0, 0, window->clientWidth, window->clientHeight};
    cairo_region_t *area = window->paintRegion != nullptr ? cairo_region_reference(window->paintRegion)
                                                          : cairo_region_create_rectangle(&whole);
    int count = cairo_region_num_rectangles(area);
    for (int i = 0; i < count; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(area, i, &r);
        FillSurfaceRect(window->surface, RECT{r.x, r.y, r.x + r.width, r.y + r.height},
                        window->background);
    }
    cairo_region_destroy(area);
    return 1;
}

LRESULT PaintByDefault(HWND hwnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
}

}  // namespace

extern "C" LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return 0;
    switch (message) {
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_ERASEBKGND: return EraseBackground(window);
    case WM_PAINT: return PaintByDefault(hwnd);
    default: return 0;
    }
}
