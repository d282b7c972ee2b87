// The inner loops of a stretch: on x86 with AVX2 where the processor has it,
// else SSE2, and elsewhere in plain C++ (the same integer arithmetic, so all
// give the same pixels).
//
// Between the passes a sample carries 7 fraction bits (value x 128, at most
// 32640), so that it and a weight (at most 16384) fit signed 16-bit lanes
// and their products 32-bit sums.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/stretch_taps.h"

namespace gdi {

constexpr int kInterFractionBits = 7;

// Which of the loops run: the widest the processor has, unless a test asks
// for narrower ones to compare them with.
enum class StretchKernels { kPlain, kSse2, kAvx2 };
StretchKernels WidestStretchKernels();
void UseStretchKernels(StretchKernels kernels);

// inter[j] = sum over t of weights[t] * rows[t][j], rounded to value x 128,
// for j in [0, count).
void BlendRows(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t count,
               int16_t *inter);

// The horizontal taps as the column loops read them. Every pixel has the
// same number of taps, the most any has: the others take the pixels after
// their own at weight 0. So two neighbours always go through the loops
// together, and a pixel's loop never varies in length.
struct ColumnTaps {
    std::vector<int> first;       // per pixel: its first intermediate pixel
    std::vector<uint32_t> pairs;  // per pixel, PairCount() words: weight | next << 16
    int taps = 0;

    int Count() const { return static_cast<int>(first.size()); }
    int PairCount() const { return (taps + 1) / 2; }
    const uint32_t *Pairs(int i) const { return pairs.data() + static_cast<size_t>(i) * PairCount(); }
    // Samples the intermediate row needs past its end: the last pixel's taps
    // taken in pairs, and the fourth sample that every pixel's load brings.
    size_t Padding() const { return 3 * 2 * static_cast<size_t>(PairCount()) + 1; }
};

// The taps of `x` with their source pixels counted from `columnBegin`, where
// the intermediate row starts.
ColumnTaps MakeColumnTaps(const AxisTaps &x, int columnBegin);

// One destination pixel per column tap: the weighted sum of its intermediate
// pixels (3 samples each), as a surface pixel 0x00RRGGBB.
void BlendColumns(const int16_t *inter, const ColumnTaps &columns, uint32_t *to);

}  // namespace gdi
