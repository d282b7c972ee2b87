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

std::vector<uint8_t> ProgramIconFile()
{
    size_t size = 0;
    const unsigned char *bytes = FindIconResource("MYICON", &size);
    return std::vector<uint8_t>(bytes, bytes + size);
}

// kovlo.ico: one 32 x 32 image of 4 bits a pixel; its header at 22, the
// 16-colour palette at 62, the colour rows at 126, the mask rows at 638.
constexpr size_t kHeader = 22, kColourRows = 126, kMaskRows = 638;

uint32_t PixelAt(const IconImage &image, int x, int y) { return image.pixels[size_t(y) * image.width + x]; }

TEST(IconTest, TheProgramIconHasItsPicture)
{
    const IconImage *image = IconImageOf(LoadIconA(GetModuleHandleA(nullptr), "MYICON"));
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 32);
    ASSERT_EQ(image->height, 32);
    struct Case {
        int x, y;
        uint32_t argb;
    };
    const Case cases[] = {
        {0, 0, 0xFFFFFFFF},   // the white edge
        {1, 1, 0xFF808080},   // the grey frame
        {22, 10, 0xFFFFFF00}, // the sun (top rows first: the file's rows are bottom-up)
        {5, 5, 0xFF00FFFF},   // the sky
        {12, 28, 0xFF008000}, // the hill
    };
    for (const Case &c : cases) EXPECT_EQ(PixelAt(*image, c.x, c.y), c.argb) << c.x << "," << c.y;
    // A name the program has no icon file for gives a handle without a picture.
    const IconImage *none = IconImageOf(LoadIconA(nullptr, "NOSUCHICON"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->width, 0);
    int unrelated = 0;
    EXPECT_EQ(IconImageOf(reinterpret_cast<HICON>(&unrelated)), nullptr);
}

TEST(IconTest, TheMaskMakesPixelsTransparent)
{
    std::vector<uint8_t> file = ProgramIconFile();
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
        std::vector<uint8_t> file = ProgramIconFile();
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

}  // namespace
