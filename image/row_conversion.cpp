// Scanline to stored row: the only place that writes decoded pixel bytes.
#include "image/row_conversion.h"

#include <string.h>

namespace {

void ConvertGrey(const JSAMPLE *samples, size_t width, BYTE *row)
{
    for (size_t x = 0; x < width; ++x, row += 3) row[0] = row[1] = row[2] = samples[x];
}

void ConvertRgb(const JSAMPLE *samples, size_t width, BYTE *row)
{
    for (size_t x = 0; x < width; ++x, row += 3, samples += 3) {
        row[0] = samples[2];
        row[1] = samples[1];
        row[2] = samples[0];
    }
}

// a * b / 255, rounded to nearest, exact for every pair of bytes.
inline BYTE ScaleBy(unsigned a, unsigned b)
{
    unsigned t = a * b + 128;
    return BYTE((t + (t >> 8)) >> 8);
}

// A colour channel is what the paper keeps of white under its ink and under
// the black ink: (255 - ink) * (255 - black) / 255. Inverted samples already
// hold 255 - ink.
void ConvertCmyk(const JSAMPLE *samples, size_t width, BYTE *row, bool inverted)
{
    unsigned flip = inverted ? 0 : 255;
    for (size_t x = 0; x < width; ++x, row += 3, samples += 4) {
        unsigned white = samples[3] ^ flip;
        row[0] = ScaleBy(samples[2] ^ flip, white);
        row[1] = ScaleBy(samples[1] ^ flip, white);
        row[2] = ScaleBy(samples[0] ^ flip, white);
    }
}

}  // namespace

void ConvertRow(RowFormat format, const JSAMPLE *samples, size_t width, BYTE *row, size_t stride)
{
    switch (format) {
    case RowFormat::Bgr:
        if (samples != row) memcpy(row, samples, width * 3);
        break;
    case RowFormat::Grey: ConvertGrey(samples, width, row); break;
    case RowFormat::Rgb: ConvertRgb(samples, width, row); break;
    case RowFormat::Cmyk: ConvertCmyk(samples, width, row, false); break;
    case RowFormat::InvertedCmyk: ConvertCmyk(samples, width, row, true); break;
    }
    memset(row + width * 3, 0, stride - width * 3);
}
