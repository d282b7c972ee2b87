// StretchDIBits refuses what it cannot draw: it returns 0 and leaves every
// pixel alone.
#include <gtest/gtest.h>

#include "tests/gdi/gdi_canvas.h"

namespace {

constexpr uint32_t kBackground = 0x445566;

struct RefusedCase {
    const char *name;
    void (*spoil)(BITMAPINFOHEADER *header);
    int destWidth, destHeight, srcWidth, srcHeight;
    int xDest;
    UINT usage;
    DWORD rop;
};

// Printed by name: the default printer would read the struct's padding bytes.
void PrintTo(const RefusedCase &c, std::ostream *out) { *out << c.name; }

class RefusedStretch : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedStretch, ReturnsZeroAndDrawsNothing) {
    const RefusedCase &c = GetParam();
    TestDib dib = TestDib::Numbered(4, 3);
    if (c.spoil) c.spoil(&dib.header());
    Canvas canvas(6, 5, kBackground);
    EXPECT_EQ(StretchDIBits(canvas.dc(), c.xDest, 0, c.destWidth, c.destHeight, 0, 0, c.srcWidth,
                            c.srcHeight, dib.bits(), dib.info(), c.usage, c.rop),
              0);
    for (uint32_t p : canvas.Pixels()) ASSERT_EQ(p, kBackground);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedStretch,
    testing::Values(
        RefusedCase{"ThirtyTwoBits", [](BITMAPINFOHEADER *h) { h->biBitCount = 32; }, 4, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"Compressed", [](BITMAPINFOHEADER *h) { h->biCompression = 1; }, 4, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"TopDown", [](BITMAPINFOHEADER *h) { h->biHeight = -3; }, 4, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"ZeroWidthPicture", [](BITMAPINFOHEADER *h) { h->biWidth = 0; }, 4, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"ShortHeader", [](BITMAPINFOHEADER *h) { h->biSize = 12; }, 4, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"ZeroDestinationWidth", nullptr, 0, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"ZeroSourceHeight", nullptr, 4, 3, 4, 0, 0, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"PaletteIndices", nullptr, 4, 3, 4, 3, 0, 1, SRCCOPY},
        RefusedCase{"OtherRasterOperation", nullptr, 4, 3, 4, 3, 0, DIB_RGB_COLORS, 0x00EE0086},
        RefusedCase{"CoordinateOutOfRange", nullptr, 4, 3, 4, 3, 1 << 30, DIB_RGB_COLORS, SRCCOPY},
        RefusedCase{"HugeExtent", nullptr, 0x7FFFFFFF, 3, 4, 3, 0, DIB_RGB_COLORS, SRCCOPY}),
    [](const testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

TEST(RefusedStretchHandles, NullOrClosedContextAndMissingBits) {
    TestDib dib = TestDib::Numbered(4, 3);
    Canvas canvas(6, 5, kBackground);
    EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 4, 3, 0, 0, 4, 3, dib.bits(), dib.info(),
                            DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 3, 0, 0, 4, 3, nullptr, dib.info(),
                            DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 3, 0, 0, 4, 3, dib.bits(), nullptr,
                            DIB_RGB_COLORS, SRCCOPY), 0);
    HDC closed = OpenSurfaceDC(canvas.surface(), RECT{0, 0, 6, 5});
    CloseSurfaceDC(closed);
    EXPECT_EQ(StretchDIBits(closed, 0, 0, 4, 3, 0, 0, 4, 3, dib.bits(), dib.info(),
                            DIB_RGB_COLORS, SRCCOPY), 0);
    for (uint32_t p : canvas.Pixels()) ASSERT_EQ(p, kBackground);
}

}  // namespace
