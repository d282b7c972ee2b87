// ScrollSurface: pixels move by dx, dy inside the rectangle, in every
// direction, overlapping moves included; the uncovered band keeps its old
// pixels; nothing outside the rectangle changes.
#include <gtest/gtest.h>

#include "tests/gdi/gdi_canvas.h"

namespace {

struct ScrollCase {
    const char *name;
    RECT rect;
    int dx, dy;
};

void Number(Canvas *canvas) {
    for (int y = 0; y < canvas->height(); ++y)
        for (int x = 0; x < canvas->width(); ++x) canvas->Set(x, y, 0x010000u * y + x + 1);
}

class ScrollPixels : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollPixels, MovesInsideTheRectangleOnly) {
    const ScrollCase &c = GetParam();
    Canvas canvas(16, 12);
    Number(&canvas);
    std::vector<uint32_t> before = canvas.Pixels();
    auto old = [&](int x, int y) { return before[y * 16 + x]; };
    auto inside = [&](int x, int y) {
        return x >= std::max<LONG>(0, c.rect.left) && x < std::min<LONG>(16, c.rect.right) &&
               y >= std::max<LONG>(0, c.rect.top) && y < std::min<LONG>(12, c.rect.bottom);
    };
    ScrollSurface(canvas.surface(), c.rect, c.dx, c.dy);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            uint32_t want = old(x, y);
            if (inside(x, y) && inside(x - c.dx, y - c.dy)) want = old(x - c.dx, y - c.dy);
            ASSERT_EQ(PixelText(canvas.At(x, y)), PixelText(want)) << "at " << x << "," << y;
        }
}

const RECT kView{0, 0, 16, 9};  // the client area above a 3-pixel strip

INSTANTIATE_TEST_SUITE_P(
    Directions, ScrollPixels,
    testing::Values(ScrollCase{"Left", kView, -3, 0}, ScrollCase{"Right", kView, 3, 0},
                    ScrollCase{"Up", kView, 0, -2}, ScrollCase{"Down", kView, 0, 2},
                    ScrollCase{"UpLeft", kView, -5, -4}, ScrollCase{"DownRight", kView, 4, 1},
                    ScrollCase{"OnePixelDown", kView, 0, 1}, ScrollCase{"OnePixelRight", kView, 1, 0},
                    ScrollCase{"NoMove", kView, 0, 0},
                    ScrollCase{"WholeWidth", kView, 16, 0}, ScrollCase{"BeyondHeight", kView, 0, -40},
                    ScrollCase{"HugeMove", kView, 0x7FFFFFFF, 0},
                    ScrollCase{"InnerRectangle", RECT{3, 2, 11, 7}, 2, -1},
                    ScrollCase{"RectangleBeyondSurface", RECT{-4, -4, 40, 40}, -2, 3}),
    [](const testing::TestParamInfo<ScrollCase> &info) { return std::string(info.param.name); });

}  // namespace
