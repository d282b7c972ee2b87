// The picture record: one heap block, header then bottom-up BGR rows.
#include "image/packed_dib.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

namespace {

constexpr size_t HeaderBytes = sizeof(BITMAPINFOHEADER);
constexpr int BytesPerPixel = 3;

// The header is always written whole: zeros first, then the six fields that
// carry values, so no byte of it is ever left unset.
void WriteHeader(PackedDib *dib, LONG width, LONG height, DWORD sizeImage)
{
    memset(&dib->header, 0, HeaderBytes);
    dib->header.biSize = HeaderBytes;
    dib->header.biWidth = width;
    dib->header.biHeight = height;
    dib->header.biPlanes = 1;
    dib->header.biBitCount = 24;
    dib->header.biSizeImage = sizeImage;
}

// Address of stored row `row` (0 = bottom of the picture).
BYTE *RowAt(PackedDib *dib, size_t stride, LONG row)
{
    return PackedDibPixels(dib) + stride * size_t(row);
}

const BYTE *RowAt(const PackedDib *dib, size_t stride, LONG row)
{
    return PackedDibPixels(dib) + stride * size_t(row);
}

void CopyPixel(BYTE *to, const BYTE *from)
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

// Zero bytes after the last pixel of a row, up to the stride.
void ClearPadding(BYTE *row, LONG width, size_t stride)
{
    size_t used = size_t(width) * BytesPerPixel;
    memset(row + used, 0, stride - used);
}

}  // namespace

size_t PackedDibStride(LONG width)
{
    if (width < 1) return 0;
    uint64_t bytes = (uint64_t(width) * BytesPerPixel + 3) / 4 * 4;
    return size_t(bytes);
}

PackedDib *AllocatePackedDib(LONG width, LONG height)
{
    if (width < 1 || height < 1) return nullptr;
    // stride < 2^33 and height < 2^31, so the product fits 64 bits; it must
    // also fit the header's 32-bit size field and the address space.
    uint64_t pixelBytes = uint64_t(PackedDibStride(width)) * uint64_t(height);
    if (pixelBytes > UINT32_MAX || pixelBytes > SIZE_MAX - HeaderBytes) return nullptr;
    PackedDib *dib = static_cast<PackedDib *>(malloc(HeaderBytes + size_t(pixelBytes)));
    if (!dib) return nullptr;
    WriteHeader(dib, width, height, DWORD(pixelBytes));
    return dib;
}

BYTE *PackedDibPixels(PackedDib *dib)
{
    return reinterpret_cast<BYTE *>(dib) + HeaderBytes;
}

const BYTE *PackedDibPixels(const PackedDib *dib)
{
    return reinterpret_cast<const BYTE *>(dib) + HeaderBytes;
}

namespace {

// new[r][c] = old[H-1-r][W-1-c]: each new row is an old row read backwards.
void WriteHalfTurn(const PackedDib *from, PackedDib *to)
{
    LONG width = from->header.biWidth;
    LONG height = from->header.biHeight;
    size_t stride = PackedDibStride(width);
    for (LONG r = 0; r < height; ++r) {
        const BYTE *source = RowAt(from, stride, height - 1 - r) + size_t(width - 1) * BytesPerPixel;
        BYTE *target = RowAt(to, stride, r);
        for (LONG c = 0; c < width; ++c, target += BytesPerPixel, source -= BytesPerPixel) CopyPixel(target, source);
        ClearPadding(RowAt(to, stride, r), width, stride);
    }
}

// Where the source pixel of new[r][c] lies for a quarter turn: old[sr][sc]
// with sr = rowBase + rowStep * c and sc = colBase + colStep * r.
struct QuarterTurnMap {
    LONG rowBase, rowStep;
    LONG colBase, colStep;
};

// Counter-clockwise: new[r][c] = old[H-1-c][r].
// Clockwise:         new[r][c] = old[c][W-1-r].
QuarterTurnMap MapFor(bool counterClockwise, LONG oldWidth, LONG oldHeight)
{
    if (counterClockwise) return {oldHeight - 1, -1, 0, 1};
    return {0, 1, oldWidth - 1, -1};
}

// The new picture is H wide and W high. It is written in square tiles so
// that the column walk through the old block stays within the cache.
constexpr LONG TileSide = 64;

void WriteQuarterTurnTile(const PackedDib *from, PackedDib *to, const QuarterTurnMap &map, LONG r0,
                          LONG c0)
{
    size_t oldStride = PackedDibStride(from->header.biWidth);
    size_t newStride = PackedDibStride(to->header.biWidth);
    LONG rEnd = r0 + TileSide < to->header.biHeight ? r0 + TileSide : to->header.biHeight;
    LONG cEnd = c0 + TileSide < to->header.biWidth ? c0 + TileSide : to->header.biWidth;
    // Along a new row the source walks down or up one old row per pixel.
    ptrdiff_t sourceStep = map.rowStep * ptrdiff_t(oldStride);
    for (LONG r = r0; r < rEnd; ++r) {
        BYTE *target = RowAt(to, newStride, r) + size_t(c0) * BytesPerPixel;
        const BYTE *source = RowAt(from, oldStride, map.rowBase + map.rowStep * c0) +
                             size_t(map.colBase + map.colStep * r) * BytesPerPixel;
        for (LONG c = c0; c < cEnd; ++c, target += BytesPerPixel, source += sourceStep) CopyPixel(target, source);
    }
}

void WriteQuarterTurn(const PackedDib *from, PackedDib *to, bool counterClockwise)
{
    QuarterTurnMap map = MapFor(counterClockwise, from->header.biWidth, from->header.biHeight);
    LONG newWidth = to->header.biWidth;
    LONG newHeight = to->header.biHeight;
    for (LONG r0 = 0; r0 < newHeight; r0 += TileSide)
        for (LONG c0 = 0; c0 < newWidth; c0 += TileSide) WriteQuarterTurnTile(from, to, map, r0, c0);
    size_t newStride = PackedDibStride(newWidth);
    for (LONG r = 0; r < newHeight; ++r) ClearPadding(RowAt(to, newStride, r), newWidth, newStride);
}

}  // namespace

PackedDib *RotateQuarterTurns(PackedDib *image, int quarterTurns)
{
    if (!image) return nullptr;
    LONG width = image->header.biWidth;
    LONG height = image->header.biHeight;
    // The remainder keeps the dividend's sign: -2 % 4 is -2, so -2 and 2 both
    // land here, and -3 acts like 1, -1 like 3.
    bool halfTurn = (quarterTurns + 2) % 4 == 0;
    bool counterClockwise = !halfTurn && (quarterTurns + 3) % 4 == 0;

    PackedDib *turned = halfTurn ? AllocatePackedDib(width, height) : AllocatePackedDib(height, width);
    if (turned && halfTurn) WriteHalfTurn(image, turned);
    if (turned && !halfTurn) WriteQuarterTurn(image, turned, counterClockwise);
    // The caller handed the old block over; it goes whether or not a turned
    // copy could be made, so a failure leaves no picture rather than a leak.
    free(image);
    return turned;
}
