// Rectangle arithmetic shared by the drawing functions. Rectangles are
// half-open: right and bottom are one past the last pixel.
#pragma once

#include <algorithm>

#include "platform/win32.h"

namespace gdi {

inline bool IsEmptyRect(const RECT &r) { return r.right <= r.left || r.bottom <= r.top; }

// The common part of a and b; an empty rectangle (all zero) when they do not meet.
inline RECT Intersect(const RECT &a, const RECT &b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return IsEmptyRect(r) ? RECT{0, 0, 0, 0} : r;
}

inline RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
    return RECT{left, top, right, bottom};
}

}  // namespace gdi
