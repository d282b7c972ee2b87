// SetUserInterfaceFont and the rendering settings of DrawTextA.
#include "platform/gdi/ui_font.h"

#include <string>

#include "platform/gdi/surface_dc.h"

namespace {

// The proportional Japanese gothic that stands in for Windows' default font of
// a device context on a Japanese system (which the status strip is written
// in), at the size whose cell, baseline and widths are that font's: at 17
// pixels pango sets IPAPGothic 18 pixels high with its baseline 15 from the
// top, and the strip's texts as wide as Windows measures them (the
// conformance program compares GetTextExtentPoint32A). Every host draws with
// it. fontconfig falls back from it for anything the face lacks.
const char kDefaultFont[] = "IPAPGothic 17px";

std::string &FontSetting() {
    static std::string font = kDefaultFont;
    return font;
}

}  // namespace

void SetUserInterfaceFont(const char *pangoDescription) {
    FontSetting() = (pangoDescription && *pangoDescription) ? pangoDescription : kDefaultFont;
}

namespace gdi {

const char *UserInterfaceFont() { return FontSetting().c_str(); }

// Recorded from GetTextMetricsA of a fresh device context under Wine with the
// Japanese locale (tests/conformance, section font), at 96 dots per inch.
const FontMetrics &DefaultFontMetrics()
{
    static const FontMetrics metrics = {18, 15, 3, 8, 25};
    return metrics;
}

// Glyphs are drawn without antialiasing and fully hinted, as a desktop draws
// its small user-interface text: crisp, and every glyph pixel is exactly the
// text colour.
void ApplyTextRendering(PangoContext *context) {
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(context, 96.0);
}

PangoLayout *CreateTextLayout(cairo_t *cr, const std::string &utf8, bool singleLine,
                              const char *description) {
    PangoLayout *layout = pango_cairo_create_layout(cr);
    ApplyTextRendering(pango_layout_get_context(layout));
    pango_layout_context_changed(layout);
    PangoFontDescription *font =
        pango_font_description_from_string(description ? description : UserInterfaceFont());
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    // One line shows line-break characters as glyphs instead of breaking.
    pango_layout_set_single_paragraph_mode(layout, singleLine);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    return layout;
}

}  // namespace gdi
