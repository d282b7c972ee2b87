// Helpers shared by the image tests: owning pictures, pixel access, loading
// test files, and an independent reference decode to compare rows against.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "image/packed_dib.h"

struct FreeDib {
    void operator()(PackedDib *dib) const { std::free(dib); }
};
using DibPtr = std::unique_ptr<PackedDib, FreeDib>;

using Bgr = std::array<uint8_t, 3>;

// The pixel at column x, row y counted from the top of the picture.
Bgr PixelAt(const PackedDib *dib, int x, int y);

// The stored bytes behind the header (stride * height of them).
std::vector<uint8_t> PixelBytes(const PackedDib *dib);

// A new picture whose pixel (x, y from the top) is paint(x, y).
DibPtr MakeDib(int width, int height, Bgr (*paint)(int x, int y));

// Leaves a freed block of `bytes` bytes filled with 0xEE. The heap hands
// its most recently freed block of a size to the next request of that size,
// so the block under test starts with bytes that are not zero. (Small blocks
// are not covered by the heap's own fill.)
void PoisonNextAllocation(size_t bytes);

// Writes the bytes to a temporary file and runs LoadJpeg on it with the
// viewer state as the caller left it.
DibPtr LoadBytes(const std::vector<uint8_t> &jpeg, int viewWidth, int viewHeight);

// What the stored rows must be, worked out from a plain library decode at
// 1/denominator: bottom-up, blue-green-red, zero padding. Grey and RGB only.
struct ReferenceImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rows;
};
ReferenceImage ReferenceDecode(const std::vector<uint8_t> &jpeg, unsigned denominator);
