// Icons: the program's icon file read into pixels, refused when malformed,
// and handed to the host for the windows that show it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/user/icon_image.h"
#include "platform/win32.h"
#include "resources/program_icon.h"

using layer_internal::DecodeIcoFile;
using layer_internal::IconImageOf;

namespace {

void PutLe(std::vector<uint8_t> *bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) bytes->push_back(uint8_t(value >> (8 * i)));
}

// A .ico of one 32 x 32 image of 4 bits a pixel, every pixel colour 15
// (white), none masked: its header at 22, the 16-colour palette at 62, the
// colour rows at 126, the mask rows at 638.
constexpr size_t kHeader = 22, kColourRows = 126, kMaskRows = 638;

std::vector<uint8_t> FourBitIcon()
{
    std::vector<uint8_t> file;
    for (uint32_t v : {0u, 1u, 1u}) PutLe(&file, v, 2);                  // an icon, one image
    file.insert(file.end(), {32, 32, 16, 0});                            // 32 x 32, 16 colours
    PutLe(&file, 1, 2), PutLe(&file, 4, 2), PutLe(&file, 40 + 64 + 512 + 128, 4), PutLe(&file, 22, 4);
    for (uint32_t v : {40u, 32u, 64u}) PutLe(&file, v, 4);               // header, colour + mask stacked
    PutLe(&file, 1, 2), PutLe(&file, 4, 2);
    for (int i = 0; i < 6; ++i) PutLe(&file, 0, 4);
    for (int i = 0; i < 16; ++i) PutLe(&file, i == 15 ? 0xFFFFFF : 0x000080, 4);
    file.insert(file.end(), 512, 0xFF);                                  // colour 15 everywhere
    file.insert(file.end(), 128, 0);                                     // nothing masked
    return file;
}

uint32_t PixelAt(const IconImage &image, int x, int y) { return image.pixels[size_t(y) * image.width + x]; }

// The window's icon is the 32 x 32 bitmap of the rendered kovlo.ico, as
// LoadIconA takes the system's icon size: with alpha, a transparent corner,
// the sky, the sun and the near hill where the drawing has them.
TEST(IconTest, TheProgramIconHasItsPicture)
{
    const IconImage *image = IconImageOf(LoadIconA(GetModuleHandleA(nullptr), "MYICON"));
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 32);
    ASSERT_EQ(image->height, 32);
    struct Case {
        const char *what;
        int x, y;
        bool (*holds)(uint32_t argb);
    };
    static auto red = [](uint32_t p) { return int(p >> 16 & 0xFF); };
    static auto green = [](uint32_t p) { return int(p >> 8 & 0xFF); };
    static auto blue = [](uint32_t p) { return int(p & 0xFF); };
    const Case cases[] = {
        {"transparent corner", 0, 0, [](uint32_t p) { return p >> 24 == 0; }},
        {"sky", 7, 8, [](uint32_t p) { return p >> 24 == 0xFF && blue(p) > red(p) + 60; }},
        {"sun", 22, 12, [](uint32_t p) { return red(p) > 200 && green(p) > 160 && blue(p) < 120; }},
        {"near hill", 16, 25, [](uint32_t p) { return green(p) > red(p) + 40 && green(p) > blue(p) + 40; }},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(c.holds(PixelAt(*image, c.x, c.y))) << c.what << ": " << std::hex << PixelAt(*image, c.x, c.y);
    // A name the program has no icon file for gives a handle without a picture.
    const IconImage *none = IconImageOf(LoadIconA(nullptr, "NOSUCHICON"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->width, 0);
    int unrelated = 0;
    EXPECT_EQ(IconImageOf(reinterpret_cast<HICON>(&unrelated)), nullptr);
}

TEST(IconTest, TheMaskMakesPixelsTransparent)
{
    std::vector<uint8_t> file = FourBitIcon();
    file[kMaskRows + 4 * 31] = 0x80;  // the top row's first pixel
    IconImage image = DecodeIcoFile(file.data(), file.size());
    ASSERT_EQ(image.width, 32);
    EXPECT_EQ(PixelAt(image, 0, 0), 0u);
    EXPECT_EQ(PixelAt(image, 1, 0), 0xFFFFFFFFu);
}

TEST(IconTest, MalformedFilesGiveNoPicture)
{
    struct Case {
        const char *label;
        size_t offset;  // the byte to change, or the size to cut to when value < 0
        int value;
    };
    const Case cases[] = {
        {"empty", 0, -1},
        {"cut in the directory", 10, -1},
        {"cut in the header", kHeader + 20, -1},
        {"cut in the colour rows", kColourRows + 100, -1},
        {"cut in the mask", kMaskRows + 127, -1},
        {"a cursor file", 2, 2},
        {"no images", 4, 0},
        {"16 bits a pixel", kHeader + 14, 16},
        {"run-length compressed", kHeader + 16, 2},
        {"zero width", kHeader + 4, 0},
        {"header too short", kHeader, 12},
        {"image beyond the file", 18, 0xFF},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> file = FourBitIcon();
        if (c.value < 0) {
            file.resize(c.offset);
        } else {
            file[c.offset] = uint8_t(c.value);
        }
        IconImage image = DecodeIcoFile(file.data(), file.size());
        EXPECT_EQ(image.width, 0) << c.label;
        EXPECT_TRUE(image.pixels.empty()) << c.label;
    }
}

// A larger image stored as PNG is passed over for the bitmap.
TEST(IconTest, BitmapIsTakenOverALargerPng)
{
    std::vector<uint8_t> file = FourBitIcon();
    file[4] = 2;  // a second directory entry, 256 pixels, its PNG after the bitmap
    std::vector<uint8_t> entry = {0, 0, 0, 0, 1, 0, 32, 0};
    PutLe(&entry, 8, 4), PutLe(&entry, uint32_t(file.size() + 16), 4);
    file.insert(file.begin() + 22, entry.begin(), entry.end());
    file[18] += 16;  // the bitmap moved by the new entry
    file.insert(file.end(), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    IconImage image = DecodeIcoFile(file.data(), file.size());
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(PixelAt(image, 5, 5), 0xFFFFFFFFu);
}

}  // namespace
