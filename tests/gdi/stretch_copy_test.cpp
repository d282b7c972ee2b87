// StretchDIBits at one source pixel per destination pixel: exact copies,
// source and destination offsets, negative source origins, clipping, row
// order and mirroring. Zero tolerance: every pixel must be the source's.
#include <gtest/gtest.h>

#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x123456;

struct CopyCase {
    const char *name;
    RECT clip;  // of the device context
    int xDest, yDest, width, height;  // destination, also the source extent
    int xSrc, ySrc;                    // source origin, counted from the bottom row
};

// What Windows shows for a one-to-one copy: destination row r of the
// rectangle takes the source row (ySrc + height - 1 - r) counted from the
// bottom; pixels whose source lies outside the bitmap or which fall outside
// the clip keep the background.
uint32_t Expected(const TestDib &dib, const CopyCase &c, int x, int y) {
    if (x < c.clip.left || x >= c.clip.right || y < c.clip.top || y >= c.clip.bottom)
        return kBackground;
    int col = x - c.xDest, row = y - c.yDest;
    if (col < 0 || col >= c.width || row < 0 || row >= c.height) return kBackground;
    int sourceX = c.xSrc + col;
    int fromBottom = c.ySrc + c.height - 1 - row;
    if (sourceX < 0 || sourceX >= dib.width() || fromBottom < 0 || fromBottom >= dib.height())
        return kBackground;
    return dib.Get(sourceX, dib.height() - 1 - fromBottom);
}

class OneToOneCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(OneToOneCopy, EveryPixelIsTheSourcePixelOrUntouched) {
    const CopyCase &c = GetParam();
    TestDib dib = TestDib::Numbered(7, 5);  // 21 bytes a row: 3 padding bytes
    Canvas canvas(12, 10, kBackground, c.clip);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    EXPECT_EQ(Stretch(canvas, dib, c.xDest, c.yDest, c.width, c.height, c.xSrc, c.ySrc, c.width,
                      c.height),
              c.height);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(PixelText(canvas.At(x, y)), PixelText(Expected(dib, c, x, y)))
                << "at " << x << "," << y;
}

const RECT kWhole{0, 0, 12, 10};

INSTANTIATE_TEST_SUITE_P(
    Geometry, OneToOneCopy,
    testing::Values(CopyCase{"WholeImageAtOrigin", kWhole, 0, 0, 7, 5, 0, 0},
                    CopyCase{"WholeImageMoved", kWhole, 3, 2, 7, 5, 0, 0},
                    CopyCase{"InnerSourceRectangle", kWhole, 1, 1, 4, 3, 2, 1},
                    CopyCase{"ScrolledDownThreeRows", kWhole, 0, 0, 7, 5, 0, -3},
                    CopyCase{"ScrolledRightAndDown", kWhole, 0, 0, 7, 5, 4, -2},
                    CopyCase{"NegativeSourceX", kWhole, 0, 0, 7, 5, -2, 0},
                    CopyCase{"SourceBeyondTopEdge", kWhole, 0, 0, 7, 5, 0, 2},
                    CopyCase{"SourceLargerThanImage", kWhole, 0, 0, 12, 10, -3, -2},
                    CopyCase{"SourceEntirelyOutside", kWhole, 0, 0, 7, 5, 9, 0},
                    CopyCase{"DestinationOffTopLeft", kWhole, -3, -2, 7, 5, 0, 0},
                    CopyCase{"DestinationOffBottomRight", kWhole, 8, 7, 7, 5, 0, 0},
                    CopyCase{"ClippedByContext", RECT{2, 1, 6, 4}, 0, 0, 7, 5, 0, 0},
                    CopyCase{"EmptyClip", RECT{5, 5, 5, 9}, 0, 0, 7, 5, 0, 0}),
    [](const testing::TestParamInfo<CopyCase> &info) { return std::string(info.param.name); });

// The actual-size view passes (scrollX, -scrollY) as the source origin: the
// picture's top-left corner must land at (-scrollX, -scrollY).
TEST(ActualSizeView, ScrollPositionMovesThePictureUpAndLeft) {
    struct Scroll { int x, y; };
    for (Scroll s : {Scroll{0, 0}, Scroll{3, 0}, Scroll{0, 2}, Scroll{4, 3}, Scroll{6, 4}}) {
        TestDib dib = TestDib::Numbered(10, 8);
        Canvas canvas(10, 8, kBackground);
        Stretch(canvas, dib, 0, 0, 10, 8, s.x, -s.y, 10, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x) {
                bool onPicture = x + s.x < 10 && y + s.y < 8;
                uint32_t want = onPicture ? dib.Get(x + s.x, y + s.y) : kBackground;
                ASSERT_EQ(PixelText(canvas.At(x, y)), PixelText(want))
                    << "scroll " << s.x << "," << s.y << " at " << x << "," << y;
            }
    }
}

// Every stretching mode copies exactly when nothing is scaled.
TEST(OneToOneCopyModes, AllModesCopyExactly) {
    for (int mode : {BLACKONWHITE, COLORONCOLOR, HALFTONE}) {
        TestDib dib = TestDib::Numbered(9, 6);
        Canvas canvas(9, 6, kBackground);
        SetStretchBltMode(canvas.dc(), mode);
        Stretch(canvas, dib, 0, 0, 9, 6, 0, 0, 9, 6);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x)
                ASSERT_EQ(canvas.At(x, y), dib.Get(x, y)) << "mode " << mode;
    }
}

// A negative width or height mirrors; the span then runs from the origin
// towards smaller coordinates, the origin included.
TEST(Mirroring, NegativeDestinationExtentsMirror) {
    struct Mirror { int xDest, yDest, width, height; bool flipX, flipY; };
    for (Mirror m : {Mirror{6, 0, -7, 5, true, false}, Mirror{0, 4, 7, -5, false, true},
                     Mirror{6, 4, -7, -5, true, true}}) {
        TestDib dib = TestDib::Numbered(7, 5);
        Canvas canvas(7, 5, kBackground);
        SetStretchBltMode(canvas.dc(), HALFTONE);
        Stretch(canvas, dib, m.xDest, m.yDest, m.width, m.height, 0, 0, 7, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(canvas.At(x, y), dib.Get(m.flipX ? 6 - x : x, m.flipY ? 4 - y : y))
                    << "mirror " << m.flipX << m.flipY << " at " << x << "," << y;
    }
}

}  // namespace
