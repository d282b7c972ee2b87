// The device context over a window's client pixels, as the window layer uses it.
// The pixels live in a cairo image surface (CAIRO_FORMAT_RGB24) that the window
// layer owns and keeps between paints.
#pragma once

#include <string>
#include <vector>

#include <cairo.h>

#include "platform/win32.h"

// A device context drawing into `surface`, clipped to `clip` (client coordinates).
HDC OpenSurfaceDC(cairo_surface_t *surface, const RECT &clip);
// Flushes the drawing into the surface and frees the context.
void CloseSurfaceDC(HDC dc);

// Fills `rect` of the surface with a brush (erasing with the class brush).
void FillSurfaceRect(cairo_surface_t *surface, const RECT &rect, HBRUSH brush);

// Moves the pixels inside `rect` by dx, dy; pixels moved out of `rect` are
// dropped, the uncovered band keeps its old pixels until it is repainted.
void ScrollSurface(cairo_surface_t *surface, const RECT &rect, int dx, int dy);

// The pango font description DrawTextA uses. Both hosts keep the default, one
// fixed Japanese gothic sized for the 25-pixel status strip, so that the strip
// does not follow a desktop's font setting; null restores it.
void SetUserInterfaceFont(const char *pangoDescription);

// Every text drawn with DrawTextA since the last call, oldest first.
struct DrawnText {
    COLORREF color;
    UINT format;
    RECT rect;
    std::string utf8;
};
std::vector<DrawnText> TakeDrawnTexts();
