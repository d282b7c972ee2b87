// The inner loops of a stretch with AVX2: twice the samples of the SSE2 loops
// per instruction, with the same integer arithmetic, so the same pixels.
// Compiled for every x86 build and chosen at run time (stretch_kernels.cpp)
// only on a processor that has AVX2.
#include "platform/gdi/stretch_kernels_x86.h"

#if KOVLO_STRETCH_AVX2

#include <immintrin.h>

#include "platform/gdi/stretch_kernels.h"
#include "platform/gdi/stretch_taps.h"

namespace gdi {

namespace {

constexpr int kRowShift = kWeightBits - kInterFractionBits;
constexpr int kColumnShift = kWeightBits + kInterFractionBits;

#define KOVLO_AVX2 __attribute__((target("avx2")))

KOVLO_AVX2 inline __m256i WidenBytes(const uint8_t *p) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
}

// 16 samples at byte j of every row, weighted and summed, as 16-bit values.
// The unpacks and the pack work within each 128-bit half, so the samples come
// out in their order.
KOVLO_AVX2 __m256i BlendRows16(const uint8_t *const *rows, const uint16_t *weights, int taps,
                               size_t j) {
    __m256i low = _mm256_set1_epi32(1 << (kRowShift - 1)), high = low;
    for (int t = 0; t < taps; t += 2) {
        const bool paired = t + 1 < taps;
        const __m256i a = WidenBytes(rows[t] + j);
        const __m256i b = paired ? WidenBytes(rows[t + 1] + j) : a;
        const __m256i weightPair = _mm256_set1_epi32(
            int32_t(uint32_t(weights[t]) | (uint32_t(paired ? weights[t + 1] : 0) << 16)));
        low = _mm256_add_epi32(low, _mm256_madd_epi16(_mm256_unpacklo_epi16(a, b), weightPair));
        high = _mm256_add_epi32(high, _mm256_madd_epi16(_mm256_unpackhi_epi16(a, b), weightPair));
    }
    return _mm256_packs_epi32(_mm256_srai_epi32(low, kRowShift), _mm256_srai_epi32(high, kRowShift));
}

// Pixel p's three samples and the next sample in the low half, pixel q's in
// the high half.
KOVLO_AVX2 inline __m256i LoadPixelPair(const int16_t *p, const int16_t *q) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(p))),
        _mm_loadl_epi64(reinterpret_cast<const __m128i *>(q)), 1);
}

// Two destination pixels: p's in the low half, q's in the high half.
KOVLO_AVX2 void BlendTwoColumns(const int16_t *p, const int16_t *q, const uint32_t *wp,
                                const uint32_t *wq, int pairCount, uint32_t *to) {
    __m256i acc = _mm256_set1_epi32(1 << (kColumnShift - 1));
    for (int k = 0; k < pairCount; ++k, p += 6, q += 6) {
        const __m256i pixels = _mm256_unpacklo_epi16(LoadPixelPair(p, q), LoadPixelPair(p + 3, q + 3));
        const __m256i weights = _mm256_set_m128i(_mm_set1_epi32(int32_t(wq[k])),
                                                 _mm_set1_epi32(int32_t(wp[k])));
        acc = _mm256_add_epi32(acc, _mm256_madd_epi16(pixels, weights));
    }
    acc = _mm256_srai_epi32(acc, kColumnShift);
    const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(acc, acc), acc);
    to[0] = uint32_t(_mm256_cvtsi256_si32(bytes)) & 0x00FFFFFFu;
    to[1] = uint32_t(_mm_cvtsi128_si32(_mm256_extracti128_si256(bytes, 1))) & 0x00FFFFFFu;
}

}  // namespace

KOVLO_AVX2 size_t BlendRowsAvx2(const uint8_t *const *rows, const uint16_t *weights, int taps,
                                size_t count, int16_t *inter) {
    size_t j = 0;
    for (; j + 16 <= count; j += 16)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(inter + j), BlendRows16(rows, weights, taps, j));
    return j;
}

KOVLO_AVX2 void BlendColumnsAvx2(const int16_t *inter, const ColumnTaps &columns, uint32_t *to) {
    auto pixel = [&](int i) { return inter + 3 * static_cast<size_t>(columns.first[i]); };
    const int count = columns.Count(), pairCount = columns.PairCount();
    int i = 0;
    for (; i + 2 <= count; i += 2)
        BlendTwoColumns(pixel(i), pixel(i + 1), columns.Pairs(i), columns.Pairs(i + 1), pairCount, to + i);
    if (i < count) to[i] = BlendOneColumnSse2(pixel(i), columns.Pairs(i), pairCount);
}

}  // namespace gdi

#endif  // KOVLO_STRETCH_AVX2
