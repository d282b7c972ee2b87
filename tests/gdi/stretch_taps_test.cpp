// The per-axis tap tables behind StretchDIBits, over many mappings: weights
// of each pixel add up to one, taps stay on the picture and inside the source
// span, and the pixels drawn form one run.
#include <random>

#include <gtest/gtest.h>

#include "platform/gdi/stretch_taps.h"
#include "platform/win32.h"

namespace {

using gdi::AxisMapping;
using gdi::AxisTaps;
using gdi::StretchFilter;

void CheckTaps(const AxisMapping &m, StretchFilter filter, const AxisTaps &taps,
               const std::string &what) {
    int64_t lo = std::max<int64_t>(0, m.sourceOrigin);
    int64_t hi = std::min<int64_t>(m.imageLength, m.sourceOrigin + m.sourceLength);
    uint32_t totalCount = 0;
    for (int i = 0; i < taps.Count(); ++i) {
        uint32_t sum = 0;
        for (int t = 0; t < taps.Taps(i); ++t) sum += taps.Weights(i)[t];
        ASSERT_EQ(sum, gdi::kWeightOne) << what << " pixel " << i;
        ASSERT_GE(taps.sourceFirst[i], lo) << what;
        ASSERT_LE(taps.sourceFirst[i] + taps.Taps(i), hi) << what;
        if (filter != StretchFilter::kArea) {
            ASSERT_LE(taps.Taps(i), 2) << what;
        }
        totalCount += taps.Taps(i);
    }
    EXPECT_EQ(totalCount, taps.weights.size()) << what;
}

TEST(AxisTaps, RandomMappingsKeepTheirInvariants) {
    std::mt19937 random(3);
    for (int round = 0; round < 400; ++round) {
        AxisMapping m;
        m.destOrigin = int(random() % 41) - 20;
        m.destLength = 1 + random() % 60;
        m.sourceOrigin = int(random() % 61) - 30;
        m.sourceLength = 1 + random() % 90;
        m.imageLength = 1 + random() % 50;
        m.reversed = random() % 2;
        for (StretchFilter f : {StretchFilter::kNearest, StretchFilter::kArea, StretchFilter::kLinear}) {
            AxisTaps taps = gdi::BuildAxisTaps(m, f, -25, 45);
            std::string what = "round " + std::to_string(round);
            CheckTaps(m, f, taps, what);
            if (taps.Count()) {
                EXPECT_GE(taps.destFirst, std::max<int64_t>(-25, m.destOrigin)) << what;
                EXPECT_LE(taps.destFirst + taps.Count(),
                          std::min<int64_t>(45, m.destOrigin + m.destLength)) << what;
            }
        }
    }
}

TEST(AxisTaps, ReversedMappingRunsBackwards) {
    AxisMapping m;
    m.destLength = 4;
    m.sourceLength = 4;
    m.imageLength = 4;
    m.reversed = true;
    AxisTaps taps = gdi::BuildAxisTaps(m, StretchFilter::kArea, 0, 4);
    EXPECT_EQ(taps.sourceFirst, (std::vector<int>{3, 2, 1, 0}));
    EXPECT_TRUE(taps.AllSingleTaps());
}

TEST(AxisTaps, VisibleWindowLimitsTheRun) {
    AxisMapping m;
    m.destOrigin = 10;
    m.destLength = 100;
    m.sourceLength = 100;
    m.imageLength = 100;
    AxisTaps taps = gdi::BuildAxisTaps(m, StretchFilter::kNearest, 50, 60);
    EXPECT_EQ(taps.destFirst, 50);
    EXPECT_EQ(taps.sourceFirst, (std::vector<int>{40, 41, 42, 43, 44, 45, 46, 47, 48, 49}));
}

TEST(AxisTaps, FilterFollowsModeAndDirection) {
    struct Choice { int mode; int64_t dest, source; StretchFilter want; };
    for (Choice c : {Choice{HALFTONE, 10, 20, StretchFilter::kArea},
                     Choice{HALFTONE, 20, 20, StretchFilter::kArea},
                     Choice{HALFTONE, 21, 20, StretchFilter::kLinear},
                     Choice{COLORONCOLOR, 10, 20, StretchFilter::kNearest},
                     Choice{BLACKONWHITE, 30, 20, StretchFilter::kNearest}})
        EXPECT_EQ(gdi::ChooseFilter(c.mode, c.dest, c.source), c.want) << c.mode;
}

}  // namespace
