// SetUserInterfaceFont and the rendering settings of DrawTextA.
#include "platform/gdi/ui_font.h"

#include <string>

#include "platform/gdi/surface_dc.h"

namespace {

// A proportional Japanese gothic at 9 points (12 pixels at 96 dots per inch),
// which sits in the 25-pixel status strip with room above and below; every
// host draws with it. fontconfig falls back from it for anything the face
// lacks.
const char kDefaultFont[] = "IPAPGothic 9";

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

}  // namespace gdi
