// StretchDIBits as the paint uses it: a decoded photograph scaled into an
// 800 x 575 view in HALFTONE mode (area averaging), a small picture enlarged,
// and the actual-size view copying one window's worth of a large picture.
// Run with --benchmark_repetitions=9 and read the medians.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/stretch_kernels.h"
#include "platform/gdi/surface_dc.h"

namespace {

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 575;

// A bottom-up 24-bit picture with smooth gradients and some noise.
struct BenchPicture {
    BITMAPINFOHEADER header{};
    std::vector<uint8_t> bits;

    BenchPicture(int width, int height) {
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
        bits.resize(stride * height);
        uint32_t noise = 1;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                noise = noise * 1103515245u + 12345u;
                uint8_t *p = &bits[stride * y + 3 * size_t(x)];
                p[0] = uint8_t(x * 255 / width + (noise >> 28));
                p[1] = uint8_t(y * 255 / height + (noise >> 27 & 7));
                p[2] = uint8_t((x + y) & 0xFF);
            }
    }
    const BITMAPINFO *info() const { return reinterpret_cast<const BITMAPINFO *>(&header); }
};

// The fit view's arithmetic: the largest size with the picture's shape that
// fits the view, centred.
void FitRect(int w, int h, int *x, int *y, int *dw, int *dh) {
    int sx = kViewWidth * 10000 / w, sy = kViewHeight * 10000 / h;
    int scale = sx < sy ? sx : sy;
    *dw = w * scale / 10000;
    *dh = h * scale / 10000;
    *x = (kViewWidth - *dw) / 2;
    *y = (kViewHeight - *dh) / 2;
}

void PaintFitted(benchmark::State &state, int w, int h) {
    BenchPicture picture(w, h);
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kViewWidth, kViewHeight + 25);
    int x, y, dw, dh;
    FitRect(w, h, &x, &y, &dw, &dh);
    for (auto _ : state) {
        HDC dc = OpenSurfaceDC(surface, RECT{0, 0, kViewWidth, kViewHeight + 25});
        SetStretchBltMode(dc, HALFTONE);
        benchmark::DoNotOptimize(StretchDIBits(dc, x, y, dw, dh, 0, 0, w, h, picture.bits.data(),
                                               picture.info(), DIB_RGB_COLORS, SRCCOPY));
        CloseSurfaceDC(dc);
    }
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h) + " -> " + std::to_string(dw) +
                   "x" + std::to_string(dh));
    cairo_surface_destroy(surface);
}

void FitPaint(benchmark::State &state) { PaintFitted(state, int(state.range(0)), int(state.range(1))); }

// A reduction by about 1.9 (the fit view's usual one) with each set of inner
// loops this processor has: 0 plain C++, 1 SSE2, 2 AVX2.
void FitPaintKernels(benchmark::State &state) {
    const auto kernels = static_cast<gdi::StretchKernels>(state.range(0));
    if (kernels > gdi::WidestStretchKernels()) return state.SkipWithError("not on this processor");
    gdi::UseStretchKernels(kernels);
    PaintFitted(state, 1500, 1000);
    gdi::UseStretchKernels(gdi::WidestStretchKernels());
}

void ActualSizePaint(benchmark::State &state) {
    BenchPicture picture(6000, 4000);
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kViewWidth, kViewHeight + 25);
    for (auto _ : state) {
        HDC dc = OpenSurfaceDC(surface, RECT{0, 0, kViewWidth, kViewHeight + 25});
        SetStretchBltMode(dc, HALFTONE);
        benchmark::DoNotOptimize(StretchDIBits(dc, 0, 0, 6000, 4000, 2000, -1500, 6000, 4000,
                                               picture.bits.data(), picture.info(),
                                               DIB_RGB_COLORS, SRCCOPY));
        CloseSurfaceDC(dc);
    }
    cairo_surface_destroy(surface);
}

// 24 megapixels decoded at 1/4 and 1/2, the full size, and a small picture
// that the fit view enlarges.
BENCHMARK(FitPaint)
    ->Args({1500, 1000})
    ->Args({3000, 2000})
    ->Args({6000, 4000})
    ->Args({100, 100})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FitPaintKernels)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(ActualSizePaint)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The status strip's two texts, as one paint draws them.
void StatusTexts(benchmark::State &state) {
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kViewWidth, kViewHeight + 25);
    RECT client{0, 0, kViewWidth, kViewHeight + 25};
    // " 終了:Esc  原寸:Shift  回転:←→  戻る:BackSp  進む:Space " in code page 932.
    const char hint[] = " \x8f\x49\x97\xb9:Esc  \x8c\xb4\x90\x6f:Shift  \x89\xf1\x93\x5d:\x81\xa9\x81\xa8"
                        "  \x96\xdf\x82\xe9:BackSp  \x90\x69\x82\xde:Space ";
    for (auto _ : state) {
        HDC dc = OpenSurfaceDC(surface, client);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, 0);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, hint, -1, &client, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
        SetTextColor(dc, RGB(0, 255, 0));
        DrawTextA(dc, " IMG_0001.JPG (1/250) 19% ", -1, &client,
                  DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
        CloseSurfaceDC(dc);
        TakeDrawnTexts();
    }
    cairo_surface_destroy(surface);
}
BENCHMARK(StatusTexts)->Unit(benchmark::kMillisecond);

}  // namespace
