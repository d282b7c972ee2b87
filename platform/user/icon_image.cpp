// A .ico file into pixels. Each image is a bitmap information header, a
// palette for 1, 4 or 8 bits a pixel, the bottom-up colour rows (the "XOR"
// image, 1/4/8/24/32 bits) and a 1-bit mask of the transparent pixels (the
// "AND" image), each row padded to 4 bytes. Every read is checked against
// the file's size. Of several images the 32 x 32 bitmap is taken; images
// stored as PNG are passed over.
#include "platform/user/icon_image.h"

namespace layer_internal {

namespace {

struct Reader {
    const uint8_t *bytes;
    size_t size;

    bool Has(size_t offset, size_t count) const { return offset <= size && count <= size - offset; }
    uint32_t U16(size_t at) const { return Has(at, 2) ? bytes[at] | bytes[at + 1] << 8 : 0; }
    uint32_t U32(size_t at) const { return Has(at, 4) ? U16(at) | U16(at + 2) << 16 : 0; }
};

// An image stored as a PNG file (as large icons are) rather than as a bitmap.
bool IsStoredAsPng(const Reader &file, size_t entry)
{
    size_t at = file.U32(entry + 12);
    return file.Has(at, 4) && file.U32(at) == 0x474E5089u;  // "\x89PNG"
}

// The directory entry LoadIconA takes: the 32 x 32 bitmap, the system's icon
// size at 96 DPI, else the largest bitmap (0 in a size byte means 256); the
// first entry when every image is a PNG.
size_t IconEntry(const Reader &file, int count)
{
    size_t best = 6;
    int bestSide = -1;
    for (int i = 0; i < count; ++i) {
        size_t entry = 6 + 16 * size_t(i);
        int side = file.bytes[entry] ? file.bytes[entry] : 256;
        if (IsStoredAsPng(file, entry)) continue;
        if (side == 32) return entry;
        if (side > bestSide) best = entry, bestSide = side;
    }
    return best;
}

size_t RowBytes(int width, int bits) { return (size_t(width) * bits + 31) / 32 * 4; }

// The colour of pixel x of a row as 0xRRGGBB plus alpha; palette indices are
// looked up, out-of-range ones give black.
uint32_t ColourAt(const Reader &file, size_t row, int x, int bits, size_t palette, uint32_t colours)
{
    const uint8_t *p = file.bytes + row;
    if (bits == 32) return p[4 * x + 3] << 24 | p[4 * x + 2] << 16 | p[4 * x + 1] << 8 | p[4 * x];
    if (bits == 24) return 0xFF000000u | p[3 * x + 2] << 16 | p[3 * x + 1] << 8 | p[3 * x];
    uint32_t index = (p[x * bits / 8] >> (8 - bits - (x * bits % 8))) & ((1u << bits) - 1);
    return index < colours ? 0xFF000000u | (file.U32(palette + 4 * index) & 0xFFFFFF) : 0xFF000000u;
}

uint32_t Premultiplied(uint32_t argb)
{
    uint32_t alpha = argb >> 24;
    uint32_t r = (argb >> 16 & 0xFF) * alpha / 255, g = (argb >> 8 & 0xFF) * alpha / 255;
    return alpha << 24 | r << 16 | g << 8 | (argb & 0xFF) * alpha / 255;
}

IconImage DecodeBitmap(const Reader &file, size_t header)
{
    int width = int(file.U32(header + 4)), height = int(file.U32(header + 8) / 2);
    int bits = int(file.U16(header + 14));
    bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (!known || file.U32(header + 16) != 0 || width <= 0 || width > 256 || height <= 0 || height > 256)
        return {};
    uint32_t colours = bits <= 8 ? (file.U32(header + 32) ? file.U32(header + 32) : 1u << bits) : 0;
    size_t palette = header + file.U32(header), xorRows = palette + 4 * size_t(colours);
    size_t andRows = xorRows + RowBytes(width, bits) * height;
    if (colours > 256 || !file.Has(andRows, RowBytes(width, 1) * height)) return {};
    IconImage image{width, height, std::vector<uint32_t>(size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        size_t row = xorRows + RowBytes(width, bits) * (height - 1 - y);
        const uint8_t *mask = file.bytes + andRows + RowBytes(width, 1) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t argb = ColourAt(file, row, x, bits, palette, colours);
            if (mask[x / 8] & (0x80 >> (x % 8))) argb = 0;  // transparent
            image.pixels[size_t(y) * width + x] = Premultiplied(argb);
        }
    }
    return image;
}

}  // namespace

IconImage DecodeIcoFile(const uint8_t *bytes, size_t size)
{
    Reader file{bytes, bytes ? size : 0};
    int count = int(file.U16(4));
    if (file.U16(0) != 0 || file.U16(2) != 1 || count == 0 || !file.Has(6, 16 * size_t(count))) return {};
    size_t entry = IconEntry(file, count);
    size_t header = file.U32(entry + 12);
    if (!file.Has(header, 40) || file.U32(header) < 40) return {};
    return DecodeBitmap(file, header);
}

}  // namespace layer_internal
