// StretchDIBits with arbitrary arguments, including the negative and zero
// sizes that a tiny window gives the fit arithmetic: it never touches a pixel
// outside the context's clip, and with the clip covering the surface it never
// reaches outside the surface (the sanitizer build checks the memory side).
#include <random>

#include <gtest/gtest.h>

#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x5A5A5A;

int Between(std::mt19937 &random, int lo, int hi) {
    return lo + int(random() % uint32_t(hi - lo + 1));
}

TEST(StretchBounds, RandomCallsStayInsideTheClip) {
    std::mt19937 random(5);
    TestDib dib = TestDib::Numbered(9, 7);
    const int modes[] = {BLACKONWHITE, COLORONCOLOR, HALFTONE};
    for (int round = 0; round < 600; ++round) {
        RECT clip{Between(random, -3, 10), Between(random, -3, 8), Between(random, 0, 24),
                  Between(random, 0, 18)};
        Canvas canvas(20, 15, kBackground, clip);
        SetStretchBltMode(canvas.dc(), modes[round % 3]);
        Stretch(canvas, dib, Between(random, -30, 30), Between(random, -30, 30),
                Between(random, -40, 40), Between(random, -40, 40), Between(random, -12, 12),
                Between(random, -12, 12), Between(random, -20, 20), Between(random, -20, 20));
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 20; ++x) {
                bool inClip = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                if (!inClip) {
                    ASSERT_EQ(canvas.At(x, y), kBackground) << "round " << round;
                }
            }
    }
}

// The fit arithmetic in a window whose view height is negative: a negative
// scale gives negative sizes, which mirror; whatever lands on the surface is
// the picture's pixels and nothing is drawn outside it.
TEST(StretchBounds, NegativeFitSizesOfATinyWindow) {
    TestDib dib = TestDib::Numbered(10, 10);
    Canvas canvas(40, 10, kBackground);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    // viewWidth 40, viewHeight -15: scale -15000 / 10000, size -15 x -15 at (27, 0).
    Stretch(canvas, dib, 27, 0, -15, -15, 0, 0, 10, 10);
    int drawn = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x)
            if (canvas.At(x, y) != kBackground) {
                ++drawn;
                EXPECT_LE(x, 27);
                EXPECT_GE(x, 27 - 14);
                EXPECT_EQ(y, 0);
            }
    EXPECT_EQ(drawn, 15);
}

}  // namespace
