// A picture in one heap block: a 40-byte BITMAPINFOHEADER followed directly by
// bottom-up blue-green-red rows, each padded with zero bytes to a multiple of 4.
// The block is what StretchDIBits takes as header and bits.
#pragma once

#include "platform/win32.h"

struct PackedDib {
    BITMAPINFOHEADER header;
    // stride * height pixel bytes follow the header in the same block
};

static_assert(sizeof(BITMAPINFOHEADER) == 40, "the header is 40 bytes");

// Bytes in one stored row of a picture `width` pixels wide: 3 per pixel,
// rounded up to a multiple of 4. 0 when the width is out of range.
size_t PackedDibStride(LONG width);

// Allocates a block for a width x height picture with the header written and
// the pixel bytes left unset; none when a size cannot be represented or the
// allocation fails.
PackedDib *AllocatePackedDib(LONG width, LONG height);

BYTE *PackedDibPixels(PackedDib *dib);
const BYTE *PackedDibPixels(const PackedDib *dib);

// Returns the picture turned by quarterTurns (positive = counter-clockwise) in
// a new block and frees `image`. Never passed a multiple of 4. Returns none,
// and still frees `image`, when the new block cannot be allocated.
PackedDib *RotateQuarterTurns(PackedDib *image, int quarterTurns);
