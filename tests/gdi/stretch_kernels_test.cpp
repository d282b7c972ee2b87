// The inner loops of a stretch come in sets (plain C++, SSE2, AVX2) chosen by
// what the processor has: every set this processor runs must draw the same
// pixels as the plain one, for reductions and enlargements, mirrored, from
// part of a picture and against a clip. (The sanitizer build also checks that
// the wide loads stay inside the intermediate row's padding.) A stretch large
// enough to be shared with a second thread draws what it draws in parts.
#include <random>

#include <gtest/gtest.h>

#include "platform/gdi/stretch_kernels.h"
#include "tests/gdi/gdi_canvas.h"

namespace {

int Between(std::mt19937 &random, int lo, int hi) {
    return lo + int(random() % uint32_t(hi - lo + 1));
}

struct KernelsInUse {
    explicit KernelsInUse(gdi::StretchKernels kernels) { gdi::UseStretchKernels(kernels); }
    ~KernelsInUse() { gdi::UseStretchKernels(gdi::WidestStretchKernels()); }
};

TEST(StretchKernels, EverySetDrawsThePlainPixels) {
    const auto widest = gdi::WidestStretchKernels();
    std::mt19937 random(11);
    for (int round = 0; round < 150; ++round) {
        const int sw = Between(random, 1, 140), sh = Between(random, 1, 40);
        TestDib dib(sw, sh);
        for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw; ++x) dib.Set(x, y, random() & 0xFFFFFF);
        // Destination sizes from a 9th to 3 times the source, either way round;
        // a source rectangle that may reach past the picture.
        const int dw = Between(random, 1, 3 * sw) * (round % 5 == 0 ? -1 : 1);
        const int dh = Between(random, 1, 3 * sh) * (round % 7 == 0 ? -1 : 1);
        const int sx = Between(random, -2, sw / 3), sy = Between(random, -2, sh / 3);
        const int cw = Between(random, 1, sw - sx + 2), ch = Between(random, 1, sh - sy + 2);
        const RECT clip{Between(random, 0, 20), 0, Between(random, 100, 420), 130};
        std::vector<std::vector<uint32_t>> drawn;
        for (int set = 0; set <= static_cast<int>(widest); ++set) {
            KernelsInUse kernels(static_cast<gdi::StretchKernels>(set));
            Canvas canvas(420, 130, 0x5A5A5A, clip);
            SetStretchBltMode(canvas.dc(), HALFTONE);
            Stretch(canvas, dib, dw < 0 ? -dw : 0, dh < 0 ? -dh : 0, dw, dh, sx, sy, cw, ch);
            drawn.push_back(canvas.Pixels());
        }
        for (size_t set = 1; set < drawn.size(); ++set)
            ASSERT_EQ(drawn[set], drawn[0]) << "set " << set << ", round " << round << ": " << sw
                                            << "x" << sh << " -> " << dw << "x" << dh;
    }
}

// 600 x 500 destination pixels go to two threads; each half of them, drawn on
// its own through a clip, is small enough for one. Mirrored both ways too.
TEST(StretchKernels, ASharedStretchDrawsWhatItsHalvesDraw) {
    std::mt19937 random(12);
    TestDib dib(1140, 950);
    for (int y = 0; y < 950; ++y)
        for (int x = 0; x < 1140; ++x) dib.Set(x, y, random() & 0xFFFFFF);
    for (int sign : {1, -1}) {
        const int width = 600 * sign, height = 500 * sign, x = sign < 0 ? 600 : 0;
        const int y = sign < 0 ? 500 : 0;
        Canvas whole(600, 500, 0x5A5A5A);
        SetStretchBltMode(whole.dc(), HALFTONE);
        Stretch(whole, dib, x, y, width, height, 0, 0, 1140, 950);
        std::vector<uint32_t> halves;
        for (RECT clip : {RECT{0, 0, 600, 250}, RECT{0, 250, 600, 500}}) {
            Canvas half(600, 500, 0x5A5A5A, clip);
            SetStretchBltMode(half.dc(), HALFTONE);
            Stretch(half, dib, x, y, width, height, 0, 0, 1140, 950);
            std::vector<uint32_t> pixels = half.Pixels();
            halves.insert(halves.end(), pixels.begin() + clip.top * 600,
                          pixels.begin() + clip.bottom * 600);
        }
        ASSERT_EQ(whole.Pixels(), halves) << "sign " << sign;
    }
}

}  // namespace
