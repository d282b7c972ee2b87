// Brushes and regions behind HBRUSH and HRGN. Every handle the layer hands
// out is recorded, so that a deleted or foreign handle is refused instead of
// being followed.
#pragma once

#include "platform/win32.h"

struct KovloGdiObject {
    enum class Kind { kBrush, kNullBrush, kRegion };
    Kind kind;
    bool stock;      // stock objects outlive DeleteObject
    COLORREF color;  // brushes
    RECT rect;       // regions (half-open, normalised)
};

namespace gdi {

// The colour a brush paints with; false for the null brush and for anything
// that is not a live brush.
bool BrushColor(HBRUSH brush, COLORREF *color);

// The rectangle of a live region; false for anything else.
bool RegionRect(HRGN region, RECT *rect);

// The number of objects created and not yet deleted, stock objects excluded
// (for leak checks).
int LiveObjectCount();

}  // namespace gdi
