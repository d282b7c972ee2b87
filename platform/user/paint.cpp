// The invalid area of a window and painting: InvalidateRect, BeginPaint,
// EndPaint, UpdateWindow, ScrollWindow; GetDC and ReleaseDC.
#include <algorithm>
#include <cstring>

#include "platform/gdi/gdi_rect.h"
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

cairo_rectangle_int_t ToCairo(const RECT &r)
{
    return cairo_rectangle_int_t{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT ToRect(const cairo_rectangle_int_t &r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

RECT ClientArea(const KovloWindow &window)
{
    return RECT{0, 0, window.clientWidth, window.clientHeight};
}

bool HasClientSurface(const KovloWindow *window)
{
    return window != nullptr && window->kind == WindowKind::TopLevel && window->surface != nullptr;
}

}  // namespace

namespace layer_internal {

void InvalidateClientRect(KovloWindow *window, const RECT &rect, bool erase)
{
    RECT clipped = gdi::Intersect(rect, ClientArea(*window));
    if (clipped.right <= clipped.left) return;
    cairo_rectangle_int_t area = ToCairo(clipped);
    cairo_region_union_rectangle(window->invalid, &area);
    window->eraseInvalid = window->eraseInvalid || erase;
}

void ValidateAll(KovloWindow *window)
{
    cairo_region_destroy(window->invalid);
    window->invalid = cairo_region_create();
    window->eraseInvalid = false;
}

}  // namespace layer_internal

extern "C" BOOL InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return FALSE;
    if (!HasClientSurface(window)) return TRUE;  // dialogs and controls are drawn by the host
    InvalidateClientRect(window, rect != nullptr ? *rect : ClientArea(*window), erase != FALSE);
    return TRUE;
}

extern "C" HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (paint == nullptr || !HasClientSurface(window)) return nullptr;
    std::memset(paint, 0, sizeof *paint);
    // The invalid area becomes the paint's; new invalidation starts afresh.
    if (window->paintRegion != nullptr) cairo_region_destroy(window->paintRegion);
    window->paintRegion = cairo_region_copy(window->invalid);
    bool erase = window->eraseInvalid;
    ValidateAll(window);
    cairo_rectangle_int_t bounds;
    cairo_region_get_extents(window->paintRegion, &bounds);
    paint->rcPaint = ToRect(bounds);
    paint->hdc = OpenSurfaceDC(window->surface, paint->rcPaint);
    TakeDrawnTexts();  // a paint's text log starts empty
    if (erase) {
        LRESULT erased = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
        paint->fErase = erased == 0 ? TRUE : FALSE;
    }
    return paint->hdc;
}

extern "C" BOOL EndPaint(HWND hwnd, const PAINTSTRUCT *paint)
{
    if (paint == nullptr || paint->hdc == nullptr) return FALSE;
    // The context holds the client surface: it is closed even when the window
    // was destroyed during its paint.
    CloseSurfaceDC(paint->hdc);
    KovloWindow *window = FindWindowRecord(hwnd);
    if (!HasClientSurface(window)) return FALSE;
    window->lastPaintTexts = TakeDrawnTexts();
    if (window->paintRegion != nullptr) cairo_region_destroy(window->paintRegion);
    window->paintRegion = nullptr;
    host::ClientPixelsChanged(hwnd, paint->rcPaint);
    return TRUE;
}

extern "C" BOOL UpdateWindow(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return FALSE;
    if (HasClientSurface(window) && window->visible && !cairo_region_is_empty(window->invalid))
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

namespace {

// The part of `rect` that moving its contents by dx, dy leaves uncovered.
void InvalidateUncovered(KovloWindow *window, const RECT &rect, int dx, int dy)
{
    RECT band = rect;
    if (dx > 0) band.right = std::min(rect.right, rect.left + dx);
    if (dx < 0) band.left = std::max(rect.left, rect.right + dx);
    if (dx != 0) InvalidateClientRect(window, band, true);
    band = rect;
    if (dy > 0) band.bottom = std::min(rect.bottom, rect.top + dy);
    if (dy < 0) band.top = std::max(rect.top, rect.bottom + dy);
    if (dy != 0) InvalidateClientRect(window, band, true);
}

// Invalid parts inside the moved rectangle move with the pixels.
void MoveInvalidArea(KovloWindow *window, const RECT &rect, int dx, int dy)
{
    cairo_rectangle_int_t area = ToCairo(rect);
    cairo_region_t *inside = cairo_region_copy(window->invalid);
    cairo_region_intersect_rectangle(inside, &area);
    cairo_region_subtract(window->invalid, inside);
    cairo_region_translate(inside, dx, dy);
    cairo_region_intersect_rectangle(inside, &area);
    cairo_region_union(window->invalid, inside);
    cairo_region_destroy(inside);
}

}  // namespace

extern "C" BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT *scrollRect,
                             const RECT *clipRect)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (!HasClientSurface(window)) return FALSE;
    RECT rect = ClientArea(*window);
    if (scrollRect != nullptr) rect = gdi::Intersect(rect, *scrollRect);
    if (clipRect != nullptr) rect = gdi::Intersect(rect, *clipRect);
    if (rect.right <= rect.left || (dx == 0 && dy == 0)) return TRUE;
    ScrollSurface(window->surface, rect, dx, dy);
    MoveInvalidArea(window, rect, dx, dy);
    InvalidateUncovered(window, rect, dx, dy);
    host::ClientPixelsChanged(hwnd, rect);
    return TRUE;
}

namespace layer {

std::vector<DrawnText> LastPaintTexts(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    return window != nullptr ? window->lastPaintTexts : std::vector<DrawnText>{};
}

}  // namespace layer

// A window's client pixels through a context of their own; a window without
// them (or none) gets a context over one pixel of its own, enough to measure
// text with.
extern "C" HDC GetDC(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (HasClientSurface(window)) return OpenSurfaceDC(window->surface, ClientArea(*window));
    cairo_surface_t *pixel = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    HDC dc = OpenSurfaceDC(pixel, RECT{0, 0, 1, 1});
    cairo_surface_destroy(pixel);  // the context holds it
    return dc;
}

extern "C" int ReleaseDC(HWND hwnd, HDC dc)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (dc == nullptr) return 0;
    CloseSurfaceDC(dc);
    if (HasClientSurface(window)) host::ClientPixelsChanged(hwnd, ClientArea(*window));
    return 1;
}
