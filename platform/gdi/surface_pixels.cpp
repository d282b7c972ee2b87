#include "platform/gdi/surface_pixels.h"

#include <algorithm>

#include "platform/gdi/gdi_rect.h"

namespace gdi {

PixelTarget AccessPixels(cairo_surface_t *surface) {
    PixelTarget target;
    if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24) {
        return target;
    }
    cairo_surface_flush(surface);
    target.data = reinterpret_cast<uint32_t *>(cairo_image_surface_get_data(surface));
    target.stride = cairo_image_surface_get_stride(surface) / 4;
    target.width = cairo_image_surface_get_width(surface);
    target.height = cairo_image_surface_get_height(surface);
    return target;
}

void MarkPixelsDirty(cairo_surface_t *surface, const RECT &rect) {
    if (IsEmptyRect(rect)) return;
    cairo_surface_mark_dirty_rectangle(surface, rect.left, rect.top, rect.right - rect.left,
                                       rect.bottom - rect.top);
}

void FillPixels(const PixelTarget &target, const RECT &rect, uint32_t pixel) {
    if (!target.data) return;
    RECT r = Intersect(rect, target.Bounds());
    for (LONG y = r.top; y < r.bottom; ++y) {
        uint32_t *row = target.Row(y);
        std::fill(row + r.left, row + r.right, pixel);
    }
}

}  // namespace gdi
