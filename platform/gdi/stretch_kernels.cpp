#include "platform/gdi/stretch_kernels.h"

#include <algorithm>

#include "platform/gdi/stretch_kernels_x86.h"
#include "platform/gdi/stretch_taps.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gdi {

namespace {

constexpr int kRowShift = kWeightBits - kInterFractionBits;
constexpr int kColumnShift = kWeightBits + kInterFractionBits;
constexpr int32_t kRowHalf = 1 << (kRowShift - 1);
constexpr int32_t kColumnHalf = 1 << (kColumnShift - 1);

void BlendRowsScalar(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t begin,
                     size_t count, int16_t *inter) {
    for (size_t j = begin; j < count; ++j) {
        int32_t sum = kRowHalf;
        for (int t = 0; t < taps; ++t) sum += int32_t(weights[t]) * rows[t][j];
        inter[j] = static_cast<int16_t>(sum >> kRowShift);
    }
}

uint32_t BlendOneColumnScalar(const int16_t *p, const uint32_t *pairs, int pairCount) {
    int32_t blue = kColumnHalf, green = kColumnHalf, red = kColumnHalf;
    for (int t = 0; t < 2 * pairCount; ++t, p += 3) {
        int32_t w = int32_t(pairs[t / 2] >> (16 * (t % 2)) & 0xFFFF);
        blue += w * p[0];
        green += w * p[1];
        red += w * p[2];
    }
    return (uint32_t(red >> kColumnShift) << 16) | (uint32_t(green >> kColumnShift) << 8) |
           uint32_t(blue >> kColumnShift);
}

#if defined(__SSE2__)

// Two rows' bytes interleaved as 16-bit pairs, times their weight pair.
inline void MultiplyAddPair(__m128i a, __m128i b, __m128i weightPair, __m128i acc[4]) {
    const __m128i zero = _mm_setzero_si128();
    __m128i aLo = _mm_unpacklo_epi8(a, zero), aHi = _mm_unpackhi_epi8(a, zero);
    __m128i bLo = _mm_unpacklo_epi8(b, zero), bHi = _mm_unpackhi_epi8(b, zero);
    acc[0] = _mm_add_epi32(acc[0], _mm_madd_epi16(_mm_unpacklo_epi16(aLo, bLo), weightPair));
    acc[1] = _mm_add_epi32(acc[1], _mm_madd_epi16(_mm_unpackhi_epi16(aLo, bLo), weightPair));
    acc[2] = _mm_add_epi32(acc[2], _mm_madd_epi16(_mm_unpacklo_epi16(aHi, bHi), weightPair));
    acc[3] = _mm_add_epi32(acc[3], _mm_madd_epi16(_mm_unpackhi_epi16(aHi, bHi), weightPair));
}

inline __m128i WeightPair(uint16_t first, uint16_t second) {
    return _mm_set1_epi32(int32_t(uint32_t(first) | (uint32_t(second) << 16)));
}

inline __m128i WeightPair(uint32_t pair) { return _mm_set1_epi32(int32_t(pair)); }

// 16 samples at byte j, taps taken two at a time (an odd last tap is paired
// with itself at weight 0).
void BlendRowsChunk(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t j,
                    int16_t *inter) {
    const __m128i half = _mm_set1_epi32(kRowHalf);
    __m128i acc[4] = {half, half, half, half};
    for (int t = 0; t < taps; t += 2) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[t] + j));
        bool paired = t + 1 < taps;
        __m128i b = paired ? _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[t + 1] + j)) : a;
        MultiplyAddPair(a, b, WeightPair(weights[t], paired ? weights[t + 1] : 0), acc);
    }
    for (__m128i &v : acc) v = _mm_srai_epi32(v, kRowShift);
    __m128i *out = reinterpret_cast<__m128i *>(inter + j);
    _mm_storeu_si128(out, _mm_packs_epi32(acc[0], acc[1]));
    _mm_storeu_si128(out + 1, _mm_packs_epi32(acc[2], acc[3]));
}

// Pixel p's three samples and the next sample, as four 16-bit lanes.
inline __m128i LoadPixel(const int16_t *p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i *>(p));
}

#endif  // __SSE2__

StretchKernels g_kernels = WidestStretchKernels();

}  // namespace

#if defined(__SSE2__)
uint32_t BlendOneColumnSse2(const int16_t *p, const uint32_t *pairs, int pairCount) {
    __m128i acc = _mm_set1_epi32(kColumnHalf);
    for (int k = 0; k < pairCount; ++k, p += 6) {
        __m128i pixels = _mm_unpacklo_epi16(LoadPixel(p), LoadPixel(p + 3));
        acc = _mm_add_epi32(acc, _mm_madd_epi16(pixels, WeightPair(pairs[k])));
    }
    acc = _mm_srai_epi32(acc, kColumnShift);
    __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(acc, acc), acc);
    return uint32_t(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFFu;
}
#endif

StretchKernels WidestStretchKernels() {
#if KOVLO_STRETCH_AVX2
    if (__builtin_cpu_supports("avx2")) return StretchKernels::kAvx2;
#endif
#if defined(__SSE2__)
    return StretchKernels::kSse2;
#else
    return StretchKernels::kPlain;
#endif
}

void UseStretchKernels(StretchKernels kernels) { g_kernels = kernels; }

void BlendRows(const uint8_t *const *rows, const uint16_t *weights, int taps, size_t count,
               int16_t *inter) {
    size_t j = 0;
#if KOVLO_STRETCH_AVX2
    if (g_kernels == StretchKernels::kAvx2) j = BlendRowsAvx2(rows, weights, taps, count, inter);
#endif
#if defined(__SSE2__)
    if (g_kernels != StretchKernels::kPlain)
        for (; j + 16 <= count; j += 16) BlendRowsChunk(rows, weights, taps, j, inter);
#endif
    BlendRowsScalar(rows, weights, taps, j, count, inter);
}

ColumnTaps MakeColumnTaps(const AxisTaps &x, int columnBegin) {
    ColumnTaps columns;
    for (int i = 0; i < x.Count(); ++i) columns.taps = std::max(columns.taps, x.Taps(i));
    columns.first.reserve(x.Count());
    columns.pairs.assign(static_cast<size_t>(x.Count()) * columns.PairCount(), 0);
    for (int i = 0; i < x.Count(); ++i) {
        columns.first.push_back(x.sourceFirst[i] - columnBegin);
        uint32_t *pairs = columns.pairs.data() + static_cast<size_t>(i) * columns.PairCount();
        for (int t = 0; t < x.Taps(i); ++t) pairs[t / 2] |= uint32_t(x.Weights(i)[t]) << (16 * (t % 2));
    }
    return columns;
}

void BlendColumns(const int16_t *inter, const ColumnTaps &columns, uint32_t *to) {
#if KOVLO_STRETCH_AVX2
    if (g_kernels == StretchKernels::kAvx2) return BlendColumnsAvx2(inter, columns, to);
#endif
    for (int i = 0; i < columns.Count(); ++i) {
        const int16_t *p = inter + 3 * static_cast<size_t>(columns.first[i]);
#if defined(__SSE2__)
        if (g_kernels != StretchKernels::kPlain) {
            to[i] = BlendOneColumnSse2(p, columns.Pairs(i), columns.PairCount());
            continue;
        }
#endif
        to[i] = BlendOneColumnScalar(p, columns.Pairs(i), columns.PairCount());
    }
}

}  // namespace gdi
