// Stock brushes, rectangular regions, FillRgn, FillSurfaceRect and the device
// context's attributes.
#include <gtest/gtest.h>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x445566;

// Every pixel inside `inside` (and the clip) must be `fill`, every other the background.
void ExpectFilled(const Canvas &canvas, const RECT &inside, uint32_t fill) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            bool in = x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom;
            ASSERT_EQ(PixelText(canvas.At(x, y)), PixelText(in ? fill : kBackground))
                << "at " << x << "," << y;
        }
}

TEST(StockObjects, AreFixedAndSurviveDeleteObject) {
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    ASSERT_NE(black, nullptr);
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), black);
    EXPECT_NE(GetStockObject(WHITE_BRUSH), black);
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_TRUE(DeleteObject(black));
    COLORREF color = 1;
    ASSERT_TRUE(gdi::BrushColor(black, &color));
    EXPECT_EQ(color, RGB(0, 0, 0));
    ASSERT_TRUE(gdi::BrushColor(GetStockObject(WHITE_BRUSH), &color));
    EXPECT_EQ(color, RGB(255, 255, 255));
    EXPECT_FALSE(gdi::BrushColor(GetStockObject(NULL_BRUSH), &color));
}

TEST(Regions, DeleteOnceThenRefused) {
    int before = gdi::LiveObjectCount();
    HRGN region = CreateRectRgn(1, 2, 3, 4);
    EXPECT_EQ(gdi::LiveObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(region));
    EXPECT_EQ(gdi::LiveObjectCount(), before);
    EXPECT_FALSE(DeleteObject(region));
    EXPECT_FALSE(DeleteObject(nullptr));
    RECT rect;
    EXPECT_FALSE(gdi::RegionRect(region, &rect));
}

struct FillCase {
    const char *name;
    RECT region;  // corners as passed to CreateRectRgn
    RECT clip;
    int brush;
    RECT filled;
    uint32_t color;
};

class FillRegion : public testing::TestWithParam<FillCase> {};

TEST_P(FillRegion, FillsTheRegionInsideTheClip) {
    const FillCase &c = GetParam();
    Canvas canvas(10, 8, kBackground, c.clip);
    HRGN region = CreateRectRgn(c.region.left, c.region.top, c.region.right, c.region.bottom);
    EXPECT_TRUE(FillRgn(canvas.dc(), region, GetStockObject(c.brush)));
    EXPECT_TRUE(DeleteObject(region));
    ExpectFilled(canvas, c.filled, c.color);
}

const RECT kAll{0, 0, 10, 8};

INSTANTIATE_TEST_SUITE_P(
    Cases, FillRegion,
    testing::Values(
        FillCase{"StatusStrip", RECT{0, 5, 10, 8}, kAll, BLACK_BRUSH, RECT{0, 5, 10, 8}, 0},
        FillCase{"White", RECT{2, 1, 5, 3}, kAll, WHITE_BRUSH, RECT{2, 1, 5, 3}, 0xFFFFFF},
        FillCase{"CornersSwapped", RECT{5, 3, 2, 1}, kAll, WHITE_BRUSH, RECT{2, 1, 5, 3}, 0xFFFFFF},
        FillCase{"BeyondSurface", RECT{-5, -5, 50, 3}, kAll, BLACK_BRUSH, RECT{0, 0, 10, 3}, 0},
        FillCase{"CutByClip", RECT{0, 0, 10, 8}, RECT{3, 2, 6, 7}, WHITE_BRUSH, RECT{3, 2, 6, 7}, 0xFFFFFF},
        FillCase{"NullBrushLeavesPixels", RECT{0, 0, 10, 8}, kAll, NULL_BRUSH, RECT{0, 0, 0, 0}, 0}),
    [](const testing::TestParamInfo<FillCase> &info) { return std::string(info.param.name); });

TEST(FillRegionRefusals, DeletedRegionOrBrushOrContext) {
    Canvas canvas(4, 4, kBackground);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    HRGN deleted = CreateRectRgn(0, 0, 4, 4);
    DeleteObject(deleted);
    EXPECT_FALSE(FillRgn(canvas.dc(), deleted, GetStockObject(WHITE_BRUSH)));
    EXPECT_FALSE(FillRgn(canvas.dc(), region, region));  // a region is no brush
    EXPECT_FALSE(FillRgn(nullptr, region, GetStockObject(WHITE_BRUSH)));
    EXPECT_FALSE(FillRgn(canvas.dc(), GetStockObject(WHITE_BRUSH), GetStockObject(WHITE_BRUSH)));
    DeleteObject(region);
    ExpectFilled(canvas, RECT{0, 0, 0, 0}, 0);
}

TEST(FillSurface, ErasesWithTheBrushCutToTheSurface) {
    struct Erase { RECT rect; int brush; RECT filled; uint32_t color; };
    for (Erase e : {Erase{RECT{0, 0, 10, 8}, BLACK_BRUSH, RECT{0, 0, 10, 8}, 0},
                    Erase{RECT{4, 4, 40, 40}, WHITE_BRUSH, RECT{4, 4, 10, 8}, 0xFFFFFF},
                    Erase{RECT{-3, -3, 2, 2}, WHITE_BRUSH, RECT{0, 0, 2, 2}, 0xFFFFFF},
                    Erase{RECT{6, 6, 2, 2}, WHITE_BRUSH, RECT{0, 0, 0, 0}, 0},
                    Erase{RECT{0, 0, 10, 8}, NULL_BRUSH, RECT{0, 0, 0, 0}, 0}}) {
        Canvas canvas(10, 8, kBackground);
        FillSurfaceRect(canvas.surface(), e.rect, GetStockObject(e.brush));
        ExpectFilled(canvas, e.filled, e.color);
    }
    Canvas canvas(10, 8, kBackground);
    FillSurfaceRect(canvas.surface(), RECT{0, 0, 10, 8}, nullptr);
    FillSurfaceRect(nullptr, RECT{0, 0, 10, 8}, GetStockObject(WHITE_BRUSH));
    ExpectFilled(canvas, RECT{0, 0, 0, 0}, 0);
}

TEST(ContextAttributes, DefaultsAndPreviousValues) {
    Canvas canvas(2, 2);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);  // no such mode: refused, unchanged
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkColor(dc, 0), RGB(1, 2, 3));
    EXPECT_EQ(SetTextColor(dc, RGB(0, 255, 0)), RGB(0, 0, 0));
    EXPECT_EQ(SetTextColor(dc, RGB(255, 0, 255)), RGB(0, 255, 0));
    EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(dc, 0), 0);
    EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), HALFTONE);
}

TEST(ContextLifetime, ClosedContextsAreRefusedAndNothingLeaks) {
    int before = gdi::OpenContextCount();
    Canvas canvas(3, 3);
    HDC dc = OpenSurfaceDC(canvas.surface(), RECT{0, 0, 3, 3});
    EXPECT_EQ(gdi::OpenContextCount(), before + 2);
    CloseSurfaceDC(dc);
    EXPECT_EQ(gdi::OpenContextCount(), before + 1);
    CloseSurfaceDC(dc);  // a second close is ignored
    EXPECT_EQ(gdi::OpenContextCount(), before + 1);
    EXPECT_EQ(OpenSurfaceDC(nullptr, RECT{0, 0, 3, 3}), nullptr);
    EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
    EXPECT_EQ(SetTextColor(nullptr, 0), 0xFFFFFFFFu);
}

TEST(ContextLifetime, ClipIsCutToTheSurface) {
    Canvas canvas(5, 4);
    HDC dc = OpenSurfaceDC(canvas.surface(), RECT{-10, 2, 100, 100});
    KovloDeviceContext *live = gdi::LiveContext(dc);
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->clip.left, 0);
    EXPECT_EQ(live->clip.top, 2);
    EXPECT_EQ(live->clip.right, 5);
    EXPECT_EQ(live->clip.bottom, 4);
    CloseSurfaceDC(dc);
}

}  // namespace
