// Scanline samples to stored rows, format by format. The grey and RGB forms
// serve a JPEG library without libjpeg-turbo's extended colour spaces, which
// no build here uses: only this test reaches them.
#include <gtest/gtest.h>

#include <vector>

#include "image/row_conversion.h"

namespace {

TEST(RowConversionTest, EachFormatGivesBlueGreenRedThenPadding)
{
    struct Case {
        const char *label;
        RowFormat format;
        std::vector<JSAMPLE> samples;  // two pixels
        std::vector<BYTE> row;         // two pixels and two bytes of padding
    };
    const Case cases[] = {
        {"bgr", RowFormat::Bgr, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 0, 0}},
        {"grey", RowFormat::Grey, {7, 200}, {7, 7, 7, 200, 200, 200, 0, 0}},
        {"rgb", RowFormat::Rgb, {10, 20, 30, 40, 50, 60}, {30, 20, 10, 60, 50, 40, 0, 0}},
        // No ink is white and cyan ink takes the red away; full black ink
        // (stored inverted as 0) is black whatever the rest.
        {"cmyk", RowFormat::Cmyk, {0, 0, 0, 0, 255, 0, 0, 0}, {255, 255, 255, 255, 255, 0, 0, 0}},
        {"inverted cmyk", RowFormat::InvertedCmyk, {255, 0, 255, 255, 9, 9, 9, 0},
         {255, 0, 255, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        std::vector<BYTE> row(8, 0xEE);
        ConvertRow(c.format, c.samples.data(), 2, row.data(), row.size());
        EXPECT_EQ(c.row, row) << c.label;
    }
}

}  // namespace
