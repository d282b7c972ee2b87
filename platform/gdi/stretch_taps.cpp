#include "platform/gdi/stretch_taps.h"

#include <algorithm>

#include "platform/win32.h"

namespace gdi {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Source coordinates are scaled by destLength so that every boundary is an
// integer: destination pixel i covers [a, a + sourceLength) and source pixel k
// covers [k * destLength, (k + 1) * destLength).
struct Footprint {
    int64_t a;     // start of the covered source interval (scaled)
    int64_t lo;    // first source pixel that may be used
    int64_t hi;    // one past the last
};

Footprint FootprintOf(const AxisMapping &m, int64_t dest) {
    int64_t i = dest - m.destOrigin;
    if (m.reversed) i = m.destLength - 1 - i;
    Footprint f;
    f.a = m.sourceOrigin * m.destLength + i * m.sourceLength;
    f.lo = std::max<int64_t>(0, m.sourceOrigin);
    f.hi = std::min<int64_t>(m.imageLength, m.sourceOrigin + m.sourceLength);
    return f;
}

// Whether the destination pixel's centre lies on an existing source pixel.
bool CentreInside(const AxisMapping &m, const Footprint &f) {
    int64_t twiceCentre = 2 * f.a + m.sourceLength;
    return f.lo < f.hi && twiceCentre >= 2 * f.lo * m.destLength &&
           twiceCentre < 2 * f.hi * m.destLength;
}

void AddSingleTap(AxisTaps *taps, int64_t source) {
    taps->sourceFirst.push_back(static_cast<int>(source));
    taps->weights.push_back(kWeightOne);
}

void AddNearest(const AxisMapping &m, const Footprint &f, AxisTaps *taps) {
    int64_t k = FloorDiv(2 * f.a + m.sourceLength, 2 * m.destLength);
    AddSingleTap(taps, std::clamp(k, f.lo, f.hi - 1));
}

// Converts overlaps to weights by rounding the running sum, so that the
// weights add up to exactly kWeightOne whatever the rounding of each.
void AddArea(const AxisMapping &m, const Footprint &f, AxisTaps *taps) {
    const int64_t d = m.destLength, b = f.a + m.sourceLength;
    int64_t first = std::max(FloorDiv(f.a, d), f.lo);
    int64_t end = std::min(FloorDiv(b - 1, d) + 1, f.hi);
    auto overlap = [&](int64_t k) { return std::min(b, (k + 1) * d) - std::max(f.a, k * d); };
    int64_t total = 0;
    for (int64_t k = first; k < end; ++k) total += overlap(k);
    taps->sourceFirst.push_back(static_cast<int>(first));
    int64_t running = 0, given = 0;
    for (int64_t k = first; k < end; ++k) {
        running += overlap(k);
        int64_t upTo = (running * kWeightOne + total / 2) / total;
        taps->weights.push_back(static_cast<uint16_t>(upTo - given));
        given = upTo;
    }
}

// Interpolates between the source centres on either side of the destination
// centre; at the edges of the usable span the edge pixel is repeated.
void AddLinear(const AxisMapping &m, const Footprint &f, AxisTaps *taps) {
    const int64_t twiceD = 2 * m.destLength;
    int64_t position = 2 * f.a + m.sourceLength - m.destLength;  // in units of 1 / twiceD
    int64_t k = FloorDiv(position, twiceD);
    int64_t next = ((position - k * twiceD) * kWeightOne + m.destLength) / twiceD;
    if (k < f.lo) return AddSingleTap(taps, f.lo);
    if (k >= f.hi - 1) return AddSingleTap(taps, f.hi - 1);
    if (next == 0) return AddSingleTap(taps, k);
    if (next == kWeightOne) return AddSingleTap(taps, k + 1);
    taps->sourceFirst.push_back(static_cast<int>(k));
    taps->weights.push_back(static_cast<uint16_t>(kWeightOne - next));
    taps->weights.push_back(static_cast<uint16_t>(next));
}

}  // namespace

int AxisTaps::SourceBegin() const {
    return Count() ? *std::min_element(sourceFirst.begin(), sourceFirst.end()) : 0;
}

int AxisTaps::SourceEnd() const {
    int end = 0;
    for (int i = 0; i < Count(); ++i) end = std::max(end, sourceFirst[i] + Taps(i));
    return end;
}

StretchFilter ChooseFilter(int stretchMode, int64_t destLength, int64_t sourceLength) {
    if (stretchMode != HALFTONE) return StretchFilter::kNearest;
    return destLength > sourceLength ? StretchFilter::kLinear : StretchFilter::kArea;
}

AxisTaps BuildAxisTaps(const AxisMapping &mapping, StretchFilter filter, int visibleBegin,
                       int visibleEnd) {
    AxisTaps taps;
    taps.weightBegin.push_back(0);
    for (int dest = visibleBegin; dest < visibleEnd; ++dest) {
        Footprint f = FootprintOf(mapping, dest);
        if (!CentreInside(mapping, f)) continue;
        if (taps.sourceFirst.empty()) taps.destFirst = dest;
        switch (filter) {
        case StretchFilter::kNearest: AddNearest(mapping, f, &taps); break;
        case StretchFilter::kArea: AddArea(mapping, f, &taps); break;
        case StretchFilter::kLinear: AddLinear(mapping, f, &taps); break;
        }
        taps.weightBegin.push_back(static_cast<int>(taps.weights.size()));
    }
    return taps;
}

}  // namespace gdi
