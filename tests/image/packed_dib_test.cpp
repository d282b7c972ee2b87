// The picture record: its layout, its size checks, and quarter-turn rotation.
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "image/packed_dib.h"
#include "tests/image/image_test_support.h"

namespace {

TEST(PackedDibStride, RoundsThreeBytesPerPixelUpToFour)
{
    struct Case {
        LONG width;
        size_t stride;
    };
    const Case cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24},
                          {0, 0}, {-1, 0}, {INT32_MIN, 0}, {INT32_MAX, (size_t(INT32_MAX) * 3 + 3) / 4 * 4}};
    for (const Case &c : cases) EXPECT_EQ(PackedDibStride(c.width), c.stride) << "width " << c.width;
}

TEST(AllocatePackedDib, WritesTheWholeHeader)
{
    DibPtr dib(AllocatePackedDib(5, 3));
    ASSERT_TRUE(dib);
    // Every byte, including the ones that must stay zero, as little-endian fields.
    const uint8_t expected[40] = {40, 0, 0, 0, 5, 0, 0, 0, 3, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                                  48, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(&dib->header, expected, sizeof expected));
    EXPECT_EQ(PackedDibPixels(dib.get()), reinterpret_cast<BYTE *>(dib.get()) + 40);
}

TEST(AllocatePackedDib, RefusesSizesThatCannotBeRepresented)
{
    struct Case {
        LONG width, height;
    };
    // Zero or negative sides; pixel bytes past the header's 32-bit size field
    // (stride 12 * 357913942 rows = 2^32 + 8, and the largest sides of all).
    const Case cases[] = {{0, 1}, {1, 0}, {-4, 4}, {4, -4}, {INT32_MIN, 1},
                          {4, 357913942}, {INT32_MAX, INT32_MAX}, {65536, 65536}};
    for (const Case &c : cases)
        EXPECT_EQ(AllocatePackedDib(c.width, c.height), nullptr) << c.width << " x " << c.height;
}

// Every pixel distinct, so a wrong source pixel cannot go unnoticed.
Bgr Distinct(int x, int y)
{
    return {uint8_t(x), uint8_t(y), uint8_t(0x80 + x * 7 + y * 13)};
}

// Independent statement of the three turns in picture terms (x from the
// left, y from the top): where new pixel (x, y) comes from in the old one.
Bgr ExpectedTurned(const PackedDib *old, int turn, int x, int y)
{
    int w = old->header.biWidth, h = old->header.biHeight;
    if (turn == 2) return PixelAt(old, w - 1 - x, h - 1 - y);
    if (turn == 1) return PixelAt(old, w - 1 - y, x);  // counter-clockwise
    return PixelAt(old, y, h - 1 - x);                 // clockwise
}

TEST(RotateQuarterTurns, MovesEveryPixelWhereTheTurnPutsIt)
{
    struct Case {
        int quarterTurns;
        int turn;  // 1 counter-clockwise, 2 half, 3 clockwise
    };
    const Case counts[] = {{1, 1}, {-3, 1}, {2, 2}, {-2, 2}, {3, 3}, {-1, 3}, {5, 1}, {-5, 3}};
    // Sizes with every padding length, and sides that are not multiples of
    // the tile size the turn works in.
    const int sizes[][2] = {{1, 1}, {2, 1}, {1, 2}, {3, 2}, {5, 7}, {33, 65}, {70, 31}};
    for (const Case &c : counts) {
        for (const auto &size : sizes) {
            DibPtr old = MakeDib(size[0], size[1], Distinct);
            DibPtr keep = MakeDib(size[0], size[1], Distinct);
            DibPtr turned(RotateQuarterTurns(old.release(), c.quarterTurns));
            ASSERT_TRUE(turned);
            bool quarter = c.turn != 2;
            SCOPED_TRACE(testing::Message() << c.quarterTurns << " on " << size[0] << "x" << size[1]);
            ASSERT_EQ(turned->header.biWidth, quarter ? size[1] : size[0]);
            ASSERT_EQ(turned->header.biHeight, quarter ? size[0] : size[1]);
            ASSERT_EQ(turned->header.biSizeImage,
                      PackedDibStride(turned->header.biWidth) * turned->header.biHeight);
            for (int y = 0; y < turned->header.biHeight; ++y)
                for (int x = 0; x < turned->header.biWidth; ++x)
                    ASSERT_EQ(PixelAt(turned.get(), x, y), ExpectedTurned(keep.get(), c.turn, x, y))
                        << "at " << x << "," << y;
        }
    }
}

TEST(RotateQuarterTurns, SmallPicturesByteForByte)
{
    struct Case {
        int quarterTurns;
        std::vector<uint8_t> stored;  // rows bottom first, padding included
    };
    // A picture 2 wide, 1 high: A on the left, B on the right (stride 8).
    const Case cases[] = {
        {1, {1, 2, 3, 0, 4, 5, 6, 0}},  // B on top, A at the bottom; stride 4
        {3, {4, 5, 6, 0, 1, 2, 3, 0}},  // A on top, B at the bottom
        {2, {4, 5, 6, 1, 2, 3, 0, 0}},  // B left, A right; stride stays 8
    };
    for (const Case &c : cases) {
        DibPtr dib = MakeDib(2, 1, [](int x, int) { return x == 0 ? Bgr{1, 2, 3} : Bgr{4, 5, 6}; });
        DibPtr turned(RotateQuarterTurns(dib.release(), c.quarterTurns));
        ASSERT_TRUE(turned);
        EXPECT_EQ(PixelBytes(turned.get()), c.stored) << "turns " << c.quarterTurns;
    }
}

TEST(RotateQuarterTurns, OnePixelStaysOnePixel)
{
    for (int turns : {1, 2, 3, -1, -2, -3}) {
        DibPtr dib = MakeDib(1, 1, [](int, int) { return Bgr{9, 8, 7}; });
        DibPtr turned(RotateQuarterTurns(dib.release(), turns));
        ASSERT_TRUE(turned);
        EXPECT_EQ(turned->header.biSizeImage, 4u);
        EXPECT_EQ(PixelBytes(turned.get()), (std::vector<uint8_t>{9, 8, 7, 0})) << "turns " << turns;
    }
}

TEST(RotateQuarterTurns, ThreeByTwoKeepsTwentyFourPixelBytes)
{
    for (int turns : {1, 2, 3}) {
        DibPtr turned(RotateQuarterTurns(MakeDib(3, 2, Distinct).release(), turns));
        ASSERT_TRUE(turned);
        EXPECT_EQ(turned->header.biSizeImage, 24u);
        EXPECT_EQ(PackedDibStride(turned->header.biWidth), turns == 2 ? 12u : 8u);
    }
}

TEST(RotateQuarterTurns, OppositeTurnsGiveBackTheSameBytes)
{
    const int pairs[][2] = {{1, 3}, {3, 1}, {2, 2}, {-1, 1}, {-2, 2}, {-3, -1}};
    for (const auto &pair : pairs) {
        DibPtr original = MakeDib(5, 3, Distinct);
        std::vector<uint8_t> before(reinterpret_cast<uint8_t *>(original.get()),
                                    reinterpret_cast<uint8_t *>(original.get()) + 40 + 48);
        PackedDib *once = RotateQuarterTurns(original.release(), pair[0]);
        ASSERT_NE(once, nullptr);
        DibPtr twice(RotateQuarterTurns(once, pair[1]));
        ASSERT_TRUE(twice);
        std::vector<uint8_t> after(reinterpret_cast<uint8_t *>(twice.get()),
                                   reinterpret_cast<uint8_t *>(twice.get()) + 40 + 48);
        EXPECT_EQ(before, after) << pair[0] << " then " << pair[1];
    }
}

TEST(RotateQuarterTurns, WritesZeroPaddingWhateverTheInputPaddingHeld)
{
    for (int turns : {1, 2, 3}) {
        DibPtr dib = MakeDib(5, 3, Distinct);  // stride 16: one padding byte a row
        for (int r = 0; r < 3; ++r) PackedDibPixels(dib.get())[16 * r + 15] = 0xEE;
        PoisonNextAllocation(turns == 2 ? 40 + 16 * 3 : 40 + 12 * 5);
        DibPtr turned(RotateQuarterTurns(dib.release(), turns));
        ASSERT_TRUE(turned);
        size_t stride = PackedDibStride(turned->header.biWidth);
        size_t used = size_t(turned->header.biWidth) * 3;
        for (LONG r = 0; r < turned->header.biHeight; ++r)
            for (size_t i = used; i < stride; ++i)
                EXPECT_EQ(PackedDibPixels(turned.get())[stride * r + i], 0) << "turns " << turns;
    }
}

TEST(RotateQuarterTurns, GivesNoneWhenThereIsNoPicture)
{
    EXPECT_EQ(RotateQuarterTurns(nullptr, 1), nullptr);
}

}  // namespace
