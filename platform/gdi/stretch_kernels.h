// The inner loops of a stretch, on x86 with SSE2 and elsewhere in plain C++
// (the same integer arithmetic, so both give the same pixels).
//
// Between the passes a sample carries 7 fraction bits (value x 128, at most
// 32640), so that it and a weight (at most 16384) fit signed 16-bit lanes
// and their products 32-bit sums.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gdi {

constexpr int kInterFractionBits = 7;

// Extra samples the intermediate row needs past its end: the column kernel
// reads whole 4-sample groups and taps in pairs.
constexpr size_t kInterPadding = 8;

// inter[j] = sum over t of weights[t] * rows[t][j], rounded to value x 128,
// for j in [0, count).
void BlendRows(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t count,
               int16_t *inter);

// One destination pixel per entry: the weighted sum of `taps[i]` consecutive
// intermediate pixels (3 samples each) starting at pixel `first[i]`, as a
// surface pixel 0x00RRGGBB.
void BlendColumns(const int16_t *inter, const int *first, const int *weightBegin,
                  const uint16_t *weights, int count, uint32_t *to);

}  // namespace gdi
