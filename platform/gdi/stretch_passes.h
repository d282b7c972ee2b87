// The two passes of a stretch: source rows blended into one intermediate row
// per destination row (vertical), then that row blended into destination
// pixels (horizontal). Reducing the rows first leaves the horizontal pass,
// whose taps vary per pixel, the fewest rows to work on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/stretch_taps.h"
#include "platform/gdi/surface_pixels.h"

namespace gdi {

// 24-bit blue-green-red rows; row 0 is the first in memory (for a bottom-up
// bitmap, the bottom row).
struct SourceImage {
    const uint8_t *bits = nullptr;
    int width = 0;
    int height = 0;
    size_t stride = 0;

    const uint8_t *Row(int index) const { return bits + stride * static_cast<size_t>(index); }
};

// Draws the destination pixels that the taps describe: columns from
// xTaps.destFirst, rows from yTaps.destFirst (indices into `target`, already
// inside it). A large stretch is shared with a second thread, which draws the
// lower half of the rows; the call returns when both are done.
void StretchPixels(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                   const PixelTarget &target);

}  // namespace gdi
