// GetTextMetricsA and GetTextExtentPoint32A of a device context's font, the
// user-interface font that DrawTextA writes with.
// Implements: the metrics Windows gives its default font (ui_font.h) and the
// extent of a code page 932 text as pango sets it in that font: the width of
// its logical cell and the font's height.
// A font selected into the context, or the default font on a screen of
// another scale, has those metrics scaled by its size.
// Does not implement: the other TEXTMETRICA fields beyond weight, pitch and
// character set.
#include <cmath>
#include <cstring>
#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/ui_font.h"
#include "platform/text/cp932.h"

extern "C" BOOL GetTextMetricsA(HDC dc, TEXTMETRICA *metrics)
{
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || metrics == nullptr) return FALSE;
    const gdi::FontMetrics &font = gdi::DefaultFontMetrics();
    double scale = gdi::ContextFontScale(*live);
    auto scaled = [scale](int pixels) { return LONG(std::lround(pixels * scale)); };
    std::memset(metrics, 0, sizeof *metrics);
    metrics->tmHeight = scaled(font.height);
    metrics->tmAscent = scaled(font.ascent);
    metrics->tmDescent = scaled(font.descent);
    metrics->tmAveCharWidth = scaled(font.averageWidth);
    metrics->tmMaxCharWidth = scaled(font.maximumWidth);
    metrics->tmWeight = 400;           // FW_NORMAL
    metrics->tmPitchAndFamily = 0x06;  // variable pitch, a TrueType face
    metrics->tmCharSet = 128;          // SHIFTJIS_CHARSET
    return TRUE;
}

extern "C" BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE *size)
{
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
    if (length == 0) {
        *size = SIZE{0, 0};
        return TRUE;
    }
    std::string utf8 = Cp932ToUtf8(std::string_view(text, size_t(length)));
    cairo_t *cr = cairo_create(live->surface);
    PangoLayout *layout = gdi::CreateTextLayout(cr, utf8, true, gdi::ContextFont(*live).c_str());
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    *size = SIZE{logical.width, logical.height};
    g_object_unref(layout);
    cairo_destroy(cr);
    return TRUE;
}
