#include "platform/gdi/stretch_passes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

namespace {

// Intermediate samples carry 8 fraction bits (value x 256), so that the
// second pass rounds only once more.
constexpr int kInterShift = kWeightBits - 8;
constexpr uint32_t kFinalShift = kWeightBits + 8;
constexpr uint32_t kFinalHalf = 1u << (kFinalShift - 1);

inline uint32_t PackPixel(uint32_t blue, uint32_t green, uint32_t red) {
    return (red << 16) | (green << 8) | blue;
}

// Nearest pixels or exact copies: every destination pixel is one source pixel.
void CopySingleTaps(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                    const PixelTarget &target) {
    const int *columns = xTaps.sourceFirst.data();
    for (int row = 0; row < yTaps.Count(); ++row) {
        const uint8_t *from = source.Row(yTaps.sourceFirst[row]);
        uint32_t *to = target.Row(yTaps.destFirst + row) + xTaps.destFirst;
        for (int i = 0; i < xTaps.Count(); ++i) {
            const uint8_t *p = from + 3 * static_cast<size_t>(columns[i]);
            to[i] = PackPixel(p[0], p[1], p[2]);
        }
    }
}

// The weighted sum of `taps` consecutive source rows from `firstRow`, over the
// bytes [byteBegin, byteBegin + count), into `inter` (value x 256).
void BlendRows(const SourceImage &source, int firstRow, const uint16_t *weights, int taps,
               size_t byteBegin, size_t count, uint32_t *sum, uint16_t *inter) {
    const uint8_t *row = source.Row(firstRow) + byteBegin;
    if (taps == 1) {
        for (size_t j = 0; j < count; ++j) inter[j] = static_cast<uint16_t>(row[j] << 8);
        return;
    }
    const uint32_t w0 = weights[0];
    for (size_t j = 0; j < count; ++j) sum[j] = w0 * row[j];
    for (int t = 1; t < taps; ++t) {
        const uint8_t *next = source.Row(firstRow + t) + byteBegin;
        const uint32_t w = weights[t];
        for (size_t j = 0; j < count; ++j) sum[j] += w * next[j];
    }
    const uint32_t half = 1u << (kInterShift - 1);
    for (size_t j = 0; j < count; ++j) inter[j] = static_cast<uint16_t>((sum[j] + half) >> kInterShift);
}

// One destination row from the intermediate row, whose first sample is
// source column `columnBegin`.
void BlendColumns(const uint16_t *inter, int columnBegin, const AxisTaps &xTaps, uint32_t *to) {
    for (int i = 0; i < xTaps.Count(); ++i) {
        const uint16_t *p = inter + 3 * static_cast<size_t>(xTaps.sourceFirst[i] - columnBegin);
        const uint16_t *w = xTaps.Weights(i);
        uint32_t blue = kFinalHalf, green = kFinalHalf, red = kFinalHalf;
        for (int t = 0, taps = xTaps.Taps(i); t < taps; ++t, p += 3) {
            blue += w[t] * uint32_t(p[0]);
            green += w[t] * uint32_t(p[1]);
            red += w[t] * uint32_t(p[2]);
        }
        to[i] = PackPixel(blue >> kFinalShift, green >> kFinalShift, red >> kFinalShift);
    }
}

// Whether destination rows a and b take the same source rows with the same
// weights (an enlargement repeats rows), so that the intermediate row is kept.
bool SameRowTaps(const AxisTaps &y, int a, int b) {
    return y.sourceFirst[a] == y.sourceFirst[b] && y.Taps(a) == y.Taps(b) &&
           std::equal(y.Weights(a), y.Weights(a) + y.Taps(a), y.Weights(b));
}

void BlendTwoPasses(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                    const PixelTarget &target) {
    const int columnBegin = xTaps.SourceBegin();
    const size_t byteBegin = 3 * static_cast<size_t>(columnBegin);
    const size_t count = 3 * static_cast<size_t>(xTaps.SourceEnd() - columnBegin);
    std::vector<uint32_t> sum(count);
    std::vector<uint16_t> inter(count);
    for (int row = 0; row < yTaps.Count(); ++row) {
        if (row == 0 || !SameRowTaps(yTaps, row, row - 1)) {
            BlendRows(source, yTaps.sourceFirst[row], yTaps.Weights(row), yTaps.Taps(row),
                      byteBegin, count, sum.data(), inter.data());
        }
        BlendColumns(inter.data(), columnBegin, xTaps,
                     target.Row(yTaps.destFirst + row) + xTaps.destFirst);
    }
}

}  // namespace

void StretchPixels(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                   const PixelTarget &target) {
    if (xTaps.Count() == 0 || yTaps.Count() == 0) return;
    if (xTaps.AllSingleTaps() && yTaps.AllSingleTaps()) {
        CopySingleTaps(source, xTaps, yTaps, target);
    } else {
        BlendTwoPasses(source, xTaps, yTaps, target);
    }
}

}  // namespace gdi
