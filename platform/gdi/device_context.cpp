// OpenSurfaceDC, CloseSurfaceDC and the attribute setters.
#include "platform/gdi/device_context.h"

#include <unordered_set>

#include "platform/gdi/gdi_rect.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/surface_pixels.h"

namespace {

// What the colour setters return for a handle that is not an open context.
constexpr COLORREF kInvalidColor = 0xFFFFFFFF;  // CLR_INVALID

std::unordered_set<KovloDeviceContext *> &OpenContexts() {
    static std::unordered_set<KovloDeviceContext *> contexts;
    return contexts;
}

}  // namespace

namespace gdi {

KovloDeviceContext *LiveContext(HDC dc) {
    if (!dc || !OpenContexts().count(dc)) return nullptr;
    return dc;
}

int OpenContextCount() { return static_cast<int>(OpenContexts().size()); }

}  // namespace gdi

HDC OpenSurfaceDC(cairo_surface_t *surface, const RECT &clip) {
    if (!surface) return nullptr;
    auto *dc = new KovloDeviceContext;
    dc->surface = cairo_surface_reference(surface);
    gdi::PixelTarget target = gdi::AccessPixels(surface);
    dc->clip = gdi::Intersect(clip, target.Bounds());
    OpenContexts().insert(dc);
    return dc;
}

void CloseSurfaceDC(HDC dc) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live) return;
    OpenContexts().erase(live);
    cairo_surface_flush(live->surface);
    cairo_surface_destroy(live->surface);
    delete live;
}

namespace {

// Stores one attribute of an open context and returns the one it replaces;
// `failed` for a handle that is not an open context or a value out of range.
template <typename T>
T ReplaceAttribute(HDC dc, T KovloDeviceContext::*attribute, T value, bool valid, T failed) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || !valid) return failed;
    T previous = live->*attribute;
    live->*attribute = value;
    return previous;
}

}  // namespace

int SetBkMode(HDC dc, int mode) {
    return ReplaceAttribute(dc, &KovloDeviceContext::bkMode, mode,
                            mode == TRANSPARENT || mode == OPAQUE, 0);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    return ReplaceAttribute(dc, &KovloDeviceContext::bkColor, color & 0x00FFFFFF, true, kInvalidColor);
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return ReplaceAttribute(dc, &KovloDeviceContext::textColor, color & 0x00FFFFFF, true,
                            kInvalidColor);
}

int SetStretchBltMode(HDC dc, int mode) {
    return ReplaceAttribute(dc, &KovloDeviceContext::stretchMode, mode,
                            mode >= BLACKONWHITE && mode <= HALFTONE, 0);
}
