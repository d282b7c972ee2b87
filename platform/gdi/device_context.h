// The state behind an HDC: the surface it draws into, its clip rectangle and
// the attributes that SetBkMode, SetBkColor, SetTextColor and
// SetStretchBltMode change. Defaults are Windows' own for a fresh context.
#pragma once

#include <cairo.h>

#include "platform/win32.h"

struct KovloDeviceContext {
    cairo_surface_t *surface = nullptr;  // one reference held while open
    RECT clip{};                         // already cut to the surface
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    int stretchMode = BLACKONWHITE;
    HGDIOBJ font = nullptr;              // SelectObject's font; null: the default one
};

namespace gdi {

// The context behind a handle, or null when the handle is not an open context.
KovloDeviceContext *LiveContext(HDC dc);

// The number of contexts opened and not yet closed (for leak checks).
int OpenContextCount();

}  // namespace gdi
