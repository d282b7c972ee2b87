// DrawTextA: placement on the rectangle's bottom edge, right or left aligned,
// the opaque background cell, the glyph colour, clipping, the return value,
// the drawn-text log, and glyphs for the half-width katakana and arrows.
#include <gtest/gtest.h>

#include "platform/gdi/ui_font.h"
#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x0000FF;  // blue: neither a glyph nor the cell
const UINT kHint = DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP;
const UINT kNameLine = DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP;

// The smallest rectangle holding every pixel that is not the background.
RECT DrawnBounds(const Canvas &canvas) {
    RECT r{canvas.width(), canvas.height(), 0, 0};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.At(x, y) != kBackground) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return r;
}

int Draw(const Canvas &canvas, const char *text, RECT rect, UINT format, COLORREF color,
         int bkMode = OPAQUE) {
    SetBkMode(canvas.dc(), bkMode);
    SetBkColor(canvas.dc(), 0);
    SetTextColor(canvas.dc(), color);
    return DrawTextA(canvas.dc(), text, -1, &rect, format);
}

struct PlacementCase {
    const char *name;
    UINT format;
    COLORREF color;
    int red, green, blue;  // the glyph colour as a surface pixel's channels
};

// Printed by name: the default printer would read the struct's padding bytes.
void PrintTo(const PlacementCase &c, std::ostream *out) { *out << c.name; }

class TextPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(TextPlacement, SitsOnTheBottomEdgeInAnOpaqueCell) {
    const PlacementCase &c = GetParam();
    Canvas canvas(300, 60, kBackground);
    TakeDrawnTexts();
    RECT rect{10, 5, 290, 50};
    Draw(canvas, " Esc  Space ", rect, c.format, c.color);
    RECT cell = DrawnBounds(canvas);
    EXPECT_EQ(cell.bottom, rect.bottom);
    if (c.format & DT_RIGHT) EXPECT_EQ(cell.right, rect.right);
    else EXPECT_EQ(cell.left, rect.left);
    EXPECT_GT(cell.bottom - cell.top, 8);
    EXPECT_GT(cell.right - cell.left, 40);
    // Glyphs are drawn without antialiasing: inside the cell every pixel is
    // the black background or exactly the text colour.
    const uint32_t glyph = (uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | c.blue;
    int glyphPixels = 0, cellPixels = 0;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            uint32_t p = canvas.At(x, y);
            ASSERT_TRUE(p == 0 || p == glyph) << PixelText(p) << " at " << x << "," << y;
            glyphPixels += p == glyph;
            ++cellPixels;
        }
    EXPECT_GT(glyphPixels, 20);
    EXPECT_LT(glyphPixels, cellPixels / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TextPlacement,
    testing::Values(PlacementCase{"WhiteHintRight", kHint, RGB(255, 255, 255), 255, 255, 255},
                    PlacementCase{"GreenNameLeft", kNameLine, RGB(0, 255, 0), 0, 255, 0},
                    PlacementCase{"YellowNameLeft", kNameLine, RGB(255, 255, 0), 255, 255, 0},
                    PlacementCase{"MagentaNameLeft", kNameLine, RGB(255, 0, 255), 255, 0, 255}),
    [](const testing::TestParamInfo<PlacementCase> &info) { return std::string(info.param.name); });

TEST(TextBackground, TransparentModeLeavesTheCellAlone) {
    Canvas canvas(200, 40, kBackground);
    Draw(canvas, " Esc ", RECT{0, 0, 200, 40}, kNameLine, RGB(255, 255, 255), TRANSPARENT);
    RECT glyphs = DrawnBounds(canvas);
    ASSERT_LT(glyphs.left, glyphs.right);
    int background = 0;
    for (int y = glyphs.top; y < glyphs.bottom; ++y)
        for (int x = glyphs.left; x < glyphs.right; ++x) {
            ASSERT_NE(canvas.At(x, y), 0u) << "black cell drawn at " << x << "," << y;
            background += canvas.At(x, y) == kBackground;
        }
    EXPECT_GT(background, 0);
}

TEST(TextClipping, ContextClipAndRectangleClip) {
    // The context's clip holds even with DT_NOCLIP.
    Canvas clipped(200, 40, kBackground, RECT{0, 0, 200, 20});
    Draw(clipped, " Esc ", RECT{0, 0, 200, 40}, kNameLine, RGB(255, 255, 255));
    EXPECT_EQ(DrawnBounds(clipped).right, 0) << "drew outside the clip";
    // Without DT_NOCLIP the text stays inside its rectangle.
    Canvas canvas(200, 40, kBackground);
    Draw(canvas, " Esc  Space  BackSp ", RECT{0, 0, 30, 40}, DT_BOTTOM | DT_SINGLELINE,
         RGB(255, 255, 255));
    EXPECT_EQ(DrawnBounds(canvas).right, 30);
    // With it, a long text runs past the rectangle.
    Canvas unclipped(200, 40, kBackground);
    Draw(unclipped, " Esc  Space  BackSp ", RECT{0, 0, 30, 40}, kNameLine, RGB(255, 255, 255));
    EXPECT_GT(DrawnBounds(unclipped).right, 30);
}

TEST(TextResult, BottomPlacementReportsTheTextsBottomOffset) {
    Canvas canvas(200, 60, kBackground);
    EXPECT_EQ(Draw(canvas, " a ", RECT{0, 10, 200, 50}, kNameLine, RGB(255, 255, 255)), 40);
    Canvas top(200, 60, kBackground);
    int height = Draw(top, " a ", RECT{0, 10, 200, 50}, DT_SINGLELINE, RGB(255, 255, 255));
    RECT cell = DrawnBounds(top);
    EXPECT_EQ(cell.top, 10);
    EXPECT_EQ(height, cell.bottom - cell.top);
    EXPECT_EQ(DrawTextA(nullptr, " a ", -1, &cell, kNameLine), 0);
    EXPECT_EQ(DrawTextA(canvas.dc(), nullptr, -1, &cell, kNameLine), 0);
}

TEST(TextLog, RecordsEveryCallInOrderAsUtf8) {
    Canvas canvas(400, 40, kBackground);
    TakeDrawnTexts();
    // " ﾌｨｯﾄ:Shift  回転:←→ " in code page 932.
    const char hint[] = " \xcc\xa8\xaf\xc4:Shift  \x89\xf1\x93\x5d:\x81\xa9\x81\xa8 ";
    Draw(canvas, hint, RECT{0, 0, 400, 40}, kHint, RGB(255, 255, 255));
    Draw(canvas, " a.jpg (1/2) 57% ", RECT{0, 0, 400, 40}, kNameLine, RGB(0, 255, 0));
    RECT rect{0, 0, 400, 40};
    DrawTextA(canvas.dc(), "abcdef", 3, &rect, kNameLine);  // an explicit length
    std::vector<DrawnText> texts = TakeDrawnTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].utf8, " ﾌｨｯﾄ:Shift  回転:←→ ");
    EXPECT_EQ(texts[0].color, RGB(255, 255, 255));
    EXPECT_EQ(texts[0].format, kHint);
    EXPECT_EQ(texts[0].rect.right, 400);
    EXPECT_EQ(texts[1].utf8, " a.jpg (1/2) 57% ");
    EXPECT_EQ(texts[1].color, RGB(0, 255, 0));
    EXPECT_EQ(texts[1].format, kNameLine);
    EXPECT_EQ(texts[2].utf8, "abc");
    EXPECT_TRUE(TakeDrawnTexts().empty());
}

// Every character the status strip uses has a glyph in the user-interface
// font (with fontconfig's fallback), and each draws something of its own.
TEST(TextGlyphs, KatakanaArrowsAndKanjiHaveGlyphs) {
    const char *samples[] = {"ﾌｨｯﾄ", "←→", "終了原寸回転戻る進む開けません", "BackSp"};
    // The default, and a desktop font that needs fontconfig's fallback.
    for (const char *fontName : {gdi::UserInterfaceFont(), "Sans 10"})
        for (const char *utf8 : samples) {
            cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
            cairo_t *cr = cairo_create(surface);
            PangoLayout *layout = pango_cairo_create_layout(cr);
            gdi::ApplyTextRendering(pango_layout_get_context(layout));
            PangoFontDescription *font = pango_font_description_from_string(fontName);
            pango_layout_set_font_description(layout, font);
            pango_layout_set_text(layout, utf8, -1);
            EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout), 0) << fontName << ": " << utf8;
            pango_font_description_free(font);
            g_object_unref(layout);
            cairo_destroy(cr);
            cairo_surface_destroy(surface);
        }
    // "ﾌ" and "ｨ" drawn alone differ.
    Canvas first(40, 30, kBackground), second(40, 30, kBackground);
    Draw(first, "\xcc", RECT{0, 0, 40, 30}, kNameLine, RGB(255, 255, 255));
    Draw(second, "\xa8", RECT{0, 0, 40, 30}, kNameLine, RGB(255, 255, 255));
    EXPECT_NE(first.Pixels(), second.Pixels());
}

TEST(TextFont, HostsChooseTheFontAndTheDefaultReturns) {
    std::string standard = gdi::UserInterfaceFont();
    SetUserInterfaceFont("Sans 20");
    Canvas large(300, 60, kBackground);
    Draw(large, " Esc ", RECT{0, 0, 300, 60}, kNameLine, RGB(255, 255, 255));
    SetUserInterfaceFont(nullptr);
    EXPECT_EQ(gdi::UserInterfaceFont(), standard);
    Canvas normal(300, 60, kBackground);
    Draw(normal, " Esc ", RECT{0, 0, 300, 60}, kNameLine, RGB(255, 255, 255));
    RECT a = DrawnBounds(large), b = DrawnBounds(normal);
    EXPECT_GT(a.bottom - a.top, b.bottom - b.top);
}

}  // namespace
