// The user-interface font that DrawTextA uses, and how glyphs are rendered.
#pragma once

#include "platform/win32.h"  // before glib, whose TRUE and FALSE give way to it

#include <pango/pangocairo.h>

#include <string>

namespace gdi {

// The font description in effect (the default until a host sets one).
const char *UserInterfaceFont();

// Windows' measures of a device context's default font at 96 dots per inch,
// in pixels: what GetTextMetricsA answers. A screen of another density
// scales them (and the font's size in ui_font.cpp) by its dots per inch.
struct FontMetrics {
    int height;
    int ascent;
    int descent;
    int averageWidth;
    int maximumWidth;
};
const FontMetrics &DefaultFontMetrics();

// Applies the fixed rendering settings (resolution, no antialiasing, full hinting,
// whole-pixel metrics) to a layout's context, so that the same text gives the same
// pixels on every run and every host.
void ApplyTextRendering(PangoContext *context);

// A layout of UTF-8 text in the user-interface font (or the pango font
// `description`) with those settings, on one line when `singleLine` (line
// breaks then show as glyphs).
PangoLayout *CreateTextLayout(cairo_t *cr, const std::string &utf8, bool singleLine,
                              const char *description = nullptr);

}  // namespace gdi
