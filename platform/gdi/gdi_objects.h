// Brushes and regions behind HBRUSH and HRGN. Every handle the layer hands
// out is recorded, so that a deleted or foreign handle is refused instead of
// being followed.
#pragma once

#include <string>

#include "platform/win32.h"

struct KovloDeviceContext;

struct KovloGdiObject {
    enum class Kind { kBrush, kNullBrush, kRegion, kFont };
    Kind kind;
    bool stock;      // stock objects outlive DeleteObject
    COLORREF color;  // brushes
    RECT rect;       // regions (half-open, normalised)
    LOGFONTA font;   // fonts made by CreateFontIndirectA
};

namespace gdi {

// The colour a brush paints with; false for the null brush and for anything
// that is not a live brush.
bool BrushColor(HBRUSH brush, COLORREF *color);

// The rectangle of a live region; false for anything else.
bool RegionRect(HRGN region, RECT *rect);

// The object behind a handle (stock ones included), or null when it is not live.
const KovloGdiObject *LiveObject(HGDIOBJ handle);
// Records a new object so that its handle is live until DeleteObject.
HGDIOBJ AdoptObject(KovloGdiObject *object);

// The stock font a device context starts with (SYSTEM_FONT).
HFONT DefaultFont();
// The pango description a live font draws with: the default font's own at
// the system's DPI, or a made font's face at its height; false for anything
// that is not a live font.
bool FontDescription(HFONT font, std::string *description);
// The system's dots per inch (96 times the host's scale).
int SystemDpi();
// The pango description of the font selected into a context (the default
// font unless another is), and that font's size against the default font's
// at 96 DPI (2 for the default font at 192 DPI): Windows' measures of the
// default font at 96 DPI times it are the font's own.
std::string ContextFont(const KovloDeviceContext &dc);
double ContextFontScale(const KovloDeviceContext &dc);

// The number of objects created and not yet deleted, stock objects excluded
// (for leak checks).
int LiveObjectCount();

}  // namespace gdi
