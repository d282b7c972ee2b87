// FillSurfaceRect (erasing with a window class's brush) and FillRgn.
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_rect.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/surface_pixels.h"

namespace {

// Paints `rect` with the brush's colour; false when the brush paints nothing.
bool FillWithBrush(cairo_surface_t *surface, const RECT &rect, HBRUSH brush) {
    COLORREF color;
    if (!gdi::BrushColor(brush, &color)) return false;
    gdi::PixelTarget target = gdi::AccessPixels(surface);
    if (!target.data) return false;
    RECT r = gdi::Intersect(rect, target.Bounds());
    gdi::FillPixels(target, r, gdi::ColorToPixel(color));
    gdi::MarkPixelsDirty(surface, r);
    return true;
}

}  // namespace

void FillSurfaceRect(cairo_surface_t *surface, const RECT &rect, HBRUSH brush) {
    FillWithBrush(surface, rect, brush);
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    RECT rect;
    if (!live || !gdi::RegionRect(region, &rect)) return FALSE;
    COLORREF unused;
    // The null brush is a valid brush that leaves the pixels alone.
    if (!gdi::BrushColor(brush, &unused)) return brush == GetStockObject(NULL_BRUSH);
    return FillWithBrush(live->surface, gdi::Intersect(rect, live->clip), brush);
}
