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

int SetBkMode(HDC dc, int mode) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = live->bkMode;
    live->bkMode = mode;
    return previous;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live) return kInvalidColor;
    COLORREF previous = live->bkColor;
    live->bkColor = color & 0x00FFFFFF;
    return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live) return kInvalidColor;
    COLORREF previous = live->textColor;
    live->textColor = color & 0x00FFFFFF;
    return previous;
}

int SetStretchBltMode(HDC dc, int mode) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int previous = live->stretchMode;
    live->stretchMode = mode;
    return previous;
}
