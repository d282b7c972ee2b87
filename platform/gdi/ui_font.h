// The user-interface font that DrawTextA uses, and how glyphs are rendered.
#pragma once

#include "platform/win32.h"  // before glib, whose TRUE and FALSE give way to it

#include <pango/pangocairo.h>

namespace gdi {

// The font description in effect (the default until a host sets one).
const char *UserInterfaceFont();

// Applies the fixed rendering settings (resolution, no antialiasing, full hinting,
// whole-pixel metrics) to a layout's context, so that the same text gives the same
// pixels on every run and every host.
void ApplyTextRendering(PangoContext *context);

}  // namespace gdi
