// Direct access to the pixels of a CAIRO_FORMAT_RGB24 image surface: one
// 32-bit word per pixel, 0x00RRGGBB in native byte order.
#pragma once

#include <cstdint>

#include <cairo.h>

#include "platform/win32.h"

namespace gdi {

struct PixelTarget {
    uint32_t *data = nullptr;
    int stride = 0;  // in pixels
    int width = 0;
    int height = 0;

    uint32_t *Row(int y) const { return data + static_cast<ptrdiff_t>(y) * stride; }
    RECT Bounds() const { return RECT{0, 0, width, height}; }
};

// Flushes pending cairo drawing and returns the pixel words; data is null when
// the surface is not a usable RGB24 image surface.
PixelTarget AccessPixels(cairo_surface_t *surface);

// Tells cairo that `rect` was written directly.
void MarkPixelsDirty(cairo_surface_t *surface, const RECT &rect);

// A COLORREF (0x00BBGGRR) as a surface pixel (0x00RRGGBB).
inline uint32_t ColorToPixel(COLORREF color) {
    return (uint32_t(GetRValue(color)) << 16) | (uint32_t(GetGValue(color)) << 8) |
           GetBValue(color);
}

// Fills `rect`, cut to the target's bounds, with one pixel value.
void FillPixels(const PixelTarget &target, const RECT &rect, uint32_t pixel);

}  // namespace gdi
