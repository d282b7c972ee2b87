// ScrollSurface: the pixel move behind ScrollWindow.
#include <cstring>

#include "platform/gdi/gdi_rect.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/surface_pixels.h"

namespace {

// Copies one row's span from source row sy to destination row dy; memmove
// because the span may overlap itself when the move is horizontal.
void MoveSpan(const gdi::PixelTarget &target, LONG sy, LONG dy, LONG dLeft, LONG dRight,
              int dx) {
    uint32_t *to = target.Row(dy) + dLeft;
    const uint32_t *from = target.Row(sy) + (dLeft - dx);
    std::memmove(to, from, sizeof(uint32_t) * (dRight - dLeft));
}

}  // namespace

void ScrollSurface(cairo_surface_t *surface, const RECT &rect, int dx, int dy) {
    gdi::PixelTarget target = gdi::AccessPixels(surface);
    if (!target.data) return;
    RECT r = gdi::Intersect(rect, target.Bounds());
    // A move as long as the rectangle leaves nothing inside it (and keeps the
    // arithmetic below from overflowing).
    if (dx <= -(r.right - r.left) || dx >= r.right - r.left) return;
    if (dy <= -(r.bottom - r.top) || dy >= r.bottom - r.top) return;
    // Where the pixels land: the rectangle moved by dx, dy, kept inside itself.
    RECT moved{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    RECT dest = gdi::Intersect(r, moved);
    if (gdi::IsEmptyRect(dest)) return;
    // A downward move copies from the bottom up, so that no source row is
    // overwritten before it has been read.
    if (dy > 0) {
        for (LONG y = dest.bottom - 1; y >= dest.top; --y)
            MoveSpan(target, y - dy, y, dest.left, dest.right, dx);
    } else {
        for (LONG y = dest.top; y < dest.bottom; ++y)
            MoveSpan(target, y - dy, y, dest.left, dest.right, dx);
    }
    gdi::MarkPixelsDirty(surface, dest);
}
