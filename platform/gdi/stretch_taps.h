// Resampling along one axis, precomputed: for every destination pixel drawn,
// the run of source pixels it takes and their weights. The drawing passes
// then only multiply and add.
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

// Weights are fixed-point fractions of kWeightOne; those of one destination
// pixel add up to exactly kWeightOne.
constexpr int kWeightBits = 14;
constexpr uint32_t kWeightOne = 1u << kWeightBits;

enum class StretchFilter {
    kNearest,  // the source pixel under the destination pixel's centre
    kArea,     // the average of the source area the destination pixel covers
    kLinear,   // linear interpolation between the two nearest source centres
};

// One axis of a stretch: a destination span mapped onto a source span. All
// lengths are positive; `reversed` mirrors the mapping (the first destination
// pixel takes the last source pixel).
struct AxisMapping {
    int64_t destOrigin = 0;
    int64_t destLength = 1;
    int64_t sourceOrigin = 0;
    int64_t sourceLength = 1;
    int imageLength = 0;  // source pixels that exist: 0 .. imageLength-1
    bool reversed = false;
};

struct AxisTaps {
    int destFirst = 0;                // the first destination pixel drawn
    std::vector<int> sourceFirst;     // per pixel drawn: its first source pixel
    std::vector<int> weightBegin;     // per pixel drawn, plus one: where its weights start
    std::vector<uint16_t> weights;    // weights of consecutive source pixels

    int Count() const { return static_cast<int>(sourceFirst.size()); }
    int Taps(int i) const { return weightBegin[i + 1] - weightBegin[i]; }
    const uint16_t *Weights(int i) const { return weights.data() + weightBegin[i]; }
    bool AllSingleTaps() const { return static_cast<int>(weights.size()) == Count(); }
    // The source pixels used, as [first, end).
    int SourceBegin() const;
    int SourceEnd() const;
};

// The filter for one axis: HALFTONE averages areas when it reduces and
// interpolates when it enlarges; every other mode picks nearest pixels.
StretchFilter ChooseFilter(int stretchMode, int64_t destLength, int64_t sourceLength);

// Taps for the destination pixels in [visibleBegin, visibleEnd) whose centre
// falls on a source pixel that exists inside the source span; the others are
// not drawn (they form no gap: the drawn pixels are one run).
AxisTaps BuildAxisTaps(const AxisMapping &mapping, StretchFilter filter, int visibleBegin,
                       int visibleEnd);

}  // namespace gdi
