// Fonts: the stock SYSTEM_FONT (a device context's default), CreateFontIndirectA,
// GetObjectA for fonts, SelectObject of a font, GetCurrentObject, GetDeviceCaps
// (LOGPIXELSX, LOGPIXELSY).
//
// The default font is the layer's one user-interface face (ui_font.cpp) made
// for the system's DPI, as Windows makes its stock fonts; a made font is that
// face, or the one it names, at its own height in pixels (a negative height,
// the character height, as the em size; a positive one, the cell height, too).
// Not handled: widths, weights, italics and the other LOGFONTA fields, which
// GetObjectA gives back as they were made; brushes and regions selected into
// a context (the layer's drawing takes them as arguments).
#include <cmath>
#include <cstring>

#include <pango/pango.h>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/ui_font.h"
#include "platform/hosts/host.h"
#include "platform/text/cp932.h"

namespace {

// The stock font: its LOGFONTA is worked out when asked for, from the face
// and the system's DPI of that moment.
KovloGdiObject g_systemFont{KovloGdiObject::Kind::kFont, true, 0, {}, {}};

// The default font's size in pixels at the system's DPI: the user-interface
// font's size at 96 DPI, in points or in pixels, times the scale. This is the
// one place where the default font follows the screen's scale.
double DefaultPixelSize(const PangoFontDescription *description) {
    double size = pango_font_description_get_size(description) / double(PANGO_SCALE);
    if (!pango_font_description_get_size_is_absolute(description))
        size = size * USER_DEFAULT_SCREEN_DPI / 72.0;  // points to pixels at 96 DPI
    return size * gdi::SystemDpi() / USER_DEFAULT_SCREEN_DPI;
}

LOGFONTA DefaultLogFont() {
    LOGFONTA font{};
    PangoFontDescription *description = pango_font_description_from_string(gdi::UserInterfaceFont());
    font.lfHeight = -static_cast<LONG>(std::lround(DefaultPixelSize(description)));
    font.lfWeight = 400;  // FW_NORMAL
    font.lfCharSet = 128;  // SHIFTJIS_CHARSET
    const char *family = pango_font_description_get_family(description);
    std::string face;
    if (!Utf8ToCp932(family != nullptr ? family : "", &face)) face.clear();
    std::strncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    pango_font_description_free(description);
    return font;
}

bool IsFont(const KovloGdiObject *object) {
    return object != nullptr && object->kind == KovloGdiObject::Kind::kFont;
}

}  // namespace

namespace gdi {

HFONT DefaultFont() { return &g_systemFont; }

int SystemDpi() {
    int scale = host::ScaleFactor();
    return USER_DEFAULT_SCREEN_DPI * (scale > 0 ? scale : 1);
}

bool FontDescription(HFONT font, std::string *description) {
    if (font == DefaultFont() && SystemDpi() == USER_DEFAULT_SCREEN_DPI) {
        *description = UserInterfaceFont();  // as it is given
        return true;
    }
    if (!IsFont(LiveObject(font))) return false;
    PangoFontDescription *face = pango_font_description_from_string(UserInterfaceFont());
    double height = DefaultPixelSize(face);
    if (font != DefaultFont()) {
        if (font->font.lfFaceName[0] != '\0')
            pango_font_description_set_family(face, Cp932ToUtf8(font->font.lfFaceName).c_str());
        if (font->font.lfHeight != 0) height = std::labs(font->font.lfHeight);
    }
    pango_font_description_set_absolute_size(face, height * PANGO_SCALE);
    char *text = pango_font_description_to_string(face);
    *description = text;
    g_free(text);
    pango_font_description_free(face);
    return true;
}

std::string ContextFont(const KovloDeviceContext &dc) {
    std::string description;
    if (!FontDescription(dc.font != nullptr ? dc.font : DefaultFont(), &description))
        description = UserInterfaceFont();
    return description;
}

double ContextFontScale(const KovloDeviceContext &dc) {
    PangoFontDescription *face = pango_font_description_from_string(UserInterfaceFont());
    double size96 = DefaultPixelSize(face) * USER_DEFAULT_SCREEN_DPI / SystemDpi();
    double size = DefaultPixelSize(face);
    pango_font_description_free(face);
    const KovloGdiObject *font = dc.font != nullptr ? LiveObject(dc.font) : nullptr;
    if (IsFont(font) && font != DefaultFont() && font->font.lfHeight != 0)
        size = std::labs(font->font.lfHeight);
    return size96 > 0 ? size / size96 : 1.0;
}

}  // namespace gdi

HFONT CreateFontIndirectA(const LOGFONTA *font) {
    if (font == nullptr) return nullptr;
    return gdi::AdoptObject(new KovloGdiObject{KovloGdiObject::Kind::kFont, false, 0, {}, *font});
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    const KovloGdiObject *live = gdi::LiveObject(object);
    if (!IsFont(live)) return 0;
    if (buffer == nullptr) return sizeof(LOGFONTA);
    LOGFONTA font = live == &g_systemFont ? DefaultLogFont() : live->font;
    int copied = size < int(sizeof font) ? size : int(sizeof font);
    if (copied <= 0) return 0;
    std::memcpy(buffer, &font, copied);
    return copied;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (live == nullptr || type != OBJ_FONT) return nullptr;
    return live->font != nullptr ? live->font : gdi::DefaultFont();
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (live == nullptr || !IsFont(gdi::LiveObject(object))) return nullptr;
    HGDIOBJ previous = live->font != nullptr ? live->font : gdi::DefaultFont();
    live->font = object;
    return previous;
}

int GetDeviceCaps(HDC dc, int index) {
    if (gdi::LiveContext(dc) == nullptr) return 0;
    return index == LOGPIXELSX || index == LOGPIXELSY ? gdi::SystemDpi() : 0;
}
