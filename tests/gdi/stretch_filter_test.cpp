// StretchDIBits when it scales: HALFTONE's area averaging (checked against
// averages worked out by hand, then against a plain floating-point reference),
// its interpolation when enlarging, and the nearest-pixel modes.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x0000FF;

// A one-row or small picture given top row first as grey levels.
TestDib GreyDib(int width, int height, const std::vector<int> &levels) {
    TestDib dib(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) dib.Set(x, y, Grey(levels[y * width + x]));
    return dib;
}

std::vector<int> GreyLevels(const Canvas &canvas, const RECT &r) {
    std::vector<int> levels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            uint32_t p = canvas.At(x, y);
            EXPECT_TRUE((p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == (p >> 16))
                << "not grey: " << PixelText(p);
            levels.push_back(p & 0xFF);
        }
    return levels;
}

struct AverageCase {
    const char *name;
    int srcWidth, srcHeight;
    std::vector<int> source;  // grey levels, top row first
    int destWidth, destHeight;
    std::vector<int> expected;
};

class AreaAverage : public testing::TestWithParam<AverageCase> {};

TEST_P(AreaAverage, EachPixelIsTheAverageOfTheAreaItCovers) {
    const AverageCase &c = GetParam();
    TestDib dib = GreyDib(c.srcWidth, c.srcHeight, c.source);
    Canvas canvas(c.destWidth + 2, c.destHeight + 2, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    Stretch(canvas, dib, 1, 1, c.destWidth, c.destHeight, 0, 0, c.srcWidth, c.srcHeight);
    EXPECT_EQ(GreyLevels(canvas, RECT{1, 1, 1 + c.destWidth, 1 + c.destHeight}), c.expected);
    // The border around the destination is untouched.
    for (int x = 0; x < canvas.width(); ++x) {
        EXPECT_EQ(canvas.At(x, 0), kBackground);
        EXPECT_EQ(canvas.At(x, canvas.height() - 1), kBackground);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, AreaAverage,
    testing::Values(
        // 2x2 blocks: (10+20+30+40)/4 = 25, (0+0+100+100)/4 = 50, ...
        AverageCase{"HalfInBothDirections", 4, 4,
                    {10, 20, 0, 0, 30, 40, 100, 100, 8, 8, 255, 255, 8, 8, 255, 251},
                    2, 2, {25, 50, 8, 254}},
        // Thirds: (30+60+90)/3 = 60.
        AverageCase{"ThreeToOne", 3, 1, {30, 60, 90}, 1, 1, {60}},
        // 1.5 source pixels each: (0 + 90/2)/1.5 = 30, (90/2 + 180)/1.5 = 150.
        AverageCase{"ThreeToTwoFractionalCoverage", 3, 1, {0, 90, 180}, 2, 1, {30, 150}},
        // 2.5 source pixels each: (50+100+0.5*200)/2.5 = 100, (0.5*200+0+250)/2.5 = 140.
        AverageCase{"FiveToTwo", 5, 1, {50, 100, 200, 0, 250}, 2, 1, {100, 140}},
        // Rows: same fractions vertically (3 rows into 2).
        AverageCase{"ThreeRowsToTwo", 1, 3, {0, 90, 180}, 1, 2, {30, 150}},
        // 1.5 across and 2 down: row pairs average first, then 1.5-wide cells.
        AverageCase{"MixedRatios", 3, 2, {0, 60, 180, 0, 120, 180}, 2, 1, {30, 150}},
        // Equal size: an exact copy.
        AverageCase{"NoScaling", 3, 1, {7, 200, 13}, 3, 1, {7, 200, 13}}),
    [](const testing::TestParamInfo<AverageCase> &info) { return std::string(info.param.name); });

// A plain reference: each destination pixel integrates the source over its
// footprint in double precision.
double ReferenceAverage(const TestDib &dib, int channel, double x0, double x1, double y0,
                        double y1) {
    double sum = 0, area = 0;
    // Rounding may put the far edge a hair past the picture.
    int yEnd = std::min(int(std::ceil(y1)), dib.height());
    int xEnd = std::min(int(std::ceil(x1)), dib.width());
    for (int y = int(std::floor(y0)); y < yEnd; ++y)
        for (int x = int(std::floor(x0)); x < xEnd; ++x) {
            double w = (std::min(x1, x + 1.0) - std::max(x0, double(x))) *
                       (std::min(y1, y + 1.0) - std::max(y0, double(y)));
            sum += w * ((dib.Get(x, y) >> (8 * channel)) & 0xFF);
            area += w;
        }
    return sum / area;
}

// Half a level for the final rounding, plus what fixed-point weights (1/16384)
// and the 7 fraction bits kept between the two passes may add: well under
// 0.05 of a level for these ratios.
constexpr double kRoundingBound = 0.55;

TEST(AreaAverageReference, RandomPicturesAtManyRatiosAgreeWithinRounding) {
    std::mt19937 random(7);
    struct Ratio { int sw, sh, dw, dh; };
    for (Ratio r : {Ratio{37, 23, 10, 7}, Ratio{64, 48, 17, 13}, Ratio{40, 30, 39, 29},
                    Ratio{100, 10, 3, 1}, Ratio{29, 31, 29, 5}, Ratio{90, 60, 24, 16}}) {
        TestDib dib(r.sw, r.sh);
        for (int y = 0; y < r.sh; ++y)
            for (int x = 0; x < r.sw; ++x) dib.Set(x, y, random() & 0xFFFFFF);
        Canvas canvas(r.dw, r.dh, kBackground);
        SetStretchBltMode(canvas.dc(), HALFTONE);
        Stretch(canvas, dib, 0, 0, r.dw, r.dh, 0, 0, r.sw, r.sh);
        double sx = double(r.sw) / r.dw, sy = double(r.sh) / r.dh;
        for (int y = 0; y < r.dh; ++y)
            for (int x = 0; x < r.dw; ++x)
                for (int ch = 0; ch < 3; ++ch) {
                    double want = ReferenceAverage(dib, ch, x * sx, (x + 1) * sx, y * sy,
                                                   (y + 1) * sy);
                    int got = (canvas.At(x, y) >> (8 * ch)) & 0xFF;
                    ASSERT_LE(std::fabs(got - want), kRoundingBound)
                        << r.sw << "x" << r.sh << "->" << r.dw << "x" << r.dh << " at " << x
                        << "," << y << " channel " << ch;
                }
    }
}

// Averaging stays inside the source rectangle: pixels around it never bleed in.
TEST(AreaAverageReference, SourceRectangleBoundsTheAverage) {
    TestDib dib(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) dib.Set(x, y, 0xFFFFFF);
    // The inner 4x2 block starting at column 2, rows 2..3 from the top
    // (rows 2..3 from the bottom too, the picture being 6 high).
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 6; ++x) dib.Set(x, y, 0x204060);
    Canvas canvas(3, 1, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    Stretch(canvas, dib, 0, 0, 3, 1, 2, 2, 4, 2);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelText(canvas.At(x, 0)), "0x204060");
}

// A reduction whose source runs off the picture averages only what exists and
// leaves the destination pixels whose centres fall off the picture alone.
TEST(AreaAverageReference, PartlyOutsideSourceDrawsOnlyThePicturePart) {
    TestDib dib = GreyDib(4, 1, {10, 30, 100, 200});
    Canvas canvas(4, 1, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    Stretch(canvas, dib, 0, 0, 4, 1, -4, 0, 8, 1);
    EXPECT_EQ(canvas.At(0, 0), kBackground);
    EXPECT_EQ(canvas.At(1, 0), kBackground);
    EXPECT_EQ(canvas.At(2, 0), Grey(20));
    EXPECT_EQ(canvas.At(3, 0), Grey(150));
}

TEST(Enlarging, HalftoneInterpolatesBetweenPixelCentres) {
    // Centres of 4 destination pixels over 2 source pixels sit at source
    // positions -0.25, 0.25, 0.75, 1.25 (pixel centres at 0 and 1).
    TestDib dib = GreyDib(2, 1, {0, 200});
    Canvas canvas(4, 2, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    Stretch(canvas, dib, 0, 0, 4, 2, 0, 0, 2, 1);
    EXPECT_EQ(GreyLevels(canvas, RECT{0, 0, 4, 2}),
              (std::vector<int>{0, 50, 150, 200, 0, 50, 150, 200}));
}

TEST(Enlarging, HalftoneStaysWithinNeighbouringValues) {
    std::mt19937 random(11);
    TestDib dib(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) dib.Set(x, y, Grey(random() % 256));
    Canvas canvas(23, 17, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    Stretch(canvas, dib, 0, 0, 23, 17, 0, 0, 5, 4);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x) {
            int sx = x * 5 / 23, sy = y * 4 / 17, lo = 255, hi = 0;
            for (int ny = std::max(0, sy - 1); ny <= std::min(3, sy + 1); ++ny)
                for (int nx = std::max(0, sx - 1); nx <= std::min(4, sx + 1); ++nx) {
                    lo = std::min<int>(lo, dib.Get(nx, ny) & 0xFF);
                    hi = std::max<int>(hi, dib.Get(nx, ny) & 0xFF);
                }
            int got = GreyLevels(canvas, RECT{x, y, x + 1, y + 1})[0];
            ASSERT_TRUE(got >= lo && got <= hi) << x << "," << y << ": " << got;
        }
}

TEST(NearestModes, ColorOnColorReplicatesAndPicks) {
    TestDib small = GreyDib(2, 2, {10, 20, 30, 40});
    TestDib row = GreyDib(4, 1, {10, 20, 30, 40});
    for (int mode : {COLORONCOLOR, BLACKONWHITE}) {
        Canvas big(4, 4, kBackground);
        SetStretchBltMode(big.dc(), mode);
        Stretch(big, small, 0, 0, 4, 4, 0, 0, 2, 2);
        EXPECT_EQ(GreyLevels(big, RECT{0, 0, 4, 4}),
                  (std::vector<int>{10, 10, 20, 20, 10, 10, 20, 20, 30, 30, 40, 40, 30, 30, 40, 40}))
            << "mode " << mode;
        // Centres of 2 pixels over 4 fall at 1.0 and 3.0: pixels 1 and 3.
        Canvas half(2, 1, kBackground);
        SetStretchBltMode(half.dc(), mode);
        Stretch(half, row, 0, 0, 2, 1, 0, 0, 4, 1);
        EXPECT_EQ(GreyLevels(half, RECT{0, 0, 2, 1}), (std::vector<int>{20, 40})) << "mode " << mode;
    }
}

// A flat picture stays exactly flat at any scale: the weights of every
// destination pixel add up to one.
TEST(FlatPictures, StayFlatAtAnyScale) {
    TestDib dib(97, 61);
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 97; ++x) dib.Set(x, y, 0xC08040);
    struct Size { int w, h; };
    for (Size s : {Size{13, 7}, Size{96, 60}, Size{98, 62}, Size{250, 3}, Size{1, 1}}) {
        Canvas canvas(s.w, s.h, kBackground);
        SetStretchBltMode(canvas.dc(), HALFTONE);
        Stretch(canvas, dib, 0, 0, s.w, s.h, 0, 0, 97, 61);
        for (uint32_t p : canvas.Pixels())
            ASSERT_EQ(PixelText(p), "0xC08040") << s.w << "x" << s.h;
    }
}

}  // namespace
