// The x86 inner loops that stretch_kernels.cpp chooses between: SSE2, which
// every x86-64 processor has, and AVX2 where the processor has it.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__))
#define KOVLO_STRETCH_AVX2 1
#else
#define KOVLO_STRETCH_AVX2 0
#endif

namespace gdi {

struct ColumnTaps;

#if defined(__SSE2__)
// One destination pixel: 2 x pairCount intermediate pixels from p.
uint32_t BlendOneColumnSse2(const int16_t *p, const uint32_t *pairs, int pairCount);
#endif

#if KOVLO_STRETCH_AVX2
// BlendRows for whole groups of 16 samples; returns how many samples it did.
size_t BlendRowsAvx2(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t count,
                     int16_t *inter);
// BlendColumns, all of it.
void BlendColumnsAvx2(const int16_t *inter, const ColumnTaps &columns, uint32_t *to);
#endif

}  // namespace gdi
