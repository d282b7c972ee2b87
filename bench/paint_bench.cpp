// The cost of showing a 24-megapixel photograph in the fit view: one reload
// (open, decode at the reduction the view allows, close) plus the paint that
// follows it, beside the same decode alone. The difference is the paint's
// share: scaling the decoded picture into the view, title and status texts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "app/reload.h"
#include "app/viewer_state.h"
#include "bench/support/bench_viewer.h"
#include "files/file_list.h"
#include "image/jpeg_loader.h"
#include "platform/hosts/headless/headless.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;

// Smooth gradients with a little noise, so that the coefficients look like a
// photograph's rather than a flat field's.
RawPicture MakeGradientPhoto(int width, int height)
{
    RawPicture picture = MakePicture(width, height, 3);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            uint8_t *p = picture.At(x, y);
            p[0] = uint8_t(x * 255 / width + (noise >> 29));
            p[1] = uint8_t(y * 255 / height + (noise >> 30));
            p[2] = uint8_t((x + y) * 127 / (width + height) + 64);
        }
    }
    return picture;
}

// The viewer, started once on the headless host over a folder holding the
// photograph, as WinMain would leave it before its message loop.
struct ViewerFixture {
    TempFolder folder;
    HWND hwnd = nullptr;
    std::string photoPath;

    ViewerFixture()
    {
        photoPath = folder.Join("photo.jpg");
        WriteBytes(photoPath, EncodeJpeg(MakeGradientPhoto(kPhotoWidth, kPhotoHeight)));
        headless::Configure(headless::Config{});
        hwnd = StartHeadlessViewer(folder.path());
    }
};

ViewerFixture &Viewer()
{
    static ViewerFixture fixture;
    return fixture;
}

void BM_ReloadAndPaintFit(benchmark::State &state)
{
    ViewerFixture &viewer = Viewer();
    for (auto _ : state) {
        ReloadCurrentImage(viewer.hwnd);
        UpdateWindow(viewer.hwnd);  // the paint the reload asked for, at once
    }
    if (g_viewer.image == nullptr || g_viewer.fitScale <= 0)
        state.SkipWithError("the photograph was not shown");
    state.counters["denominator"] = g_viewer.decodeDenominator;
}

// The paint alone, of the picture the last reload left: what the reload above
// adds to the decode.
void BM_PaintAloneFit(benchmark::State &state)
{
    ViewerFixture &viewer = Viewer();
    ReloadCurrentImage(viewer.hwnd);
    for (auto _ : state) {
        InvalidateRect(viewer.hwnd, NULL, TRUE);
        UpdateWindow(viewer.hwnd);
    }
}

void BM_LoaderAloneFit(benchmark::State &state)
{
    ViewerFixture &viewer = Viewer();
    for (auto _ : state) {
        FILE *stream = fopen(viewer.photoPath.c_str(), "rb");
        PackedDib *image = LoadJpeg(stream, g_viewer.viewWidth, g_viewer.viewHeight);
        fclose(stream);
        if (image == nullptr)
            state.SkipWithError("the photograph did not decode");
        free(image);
    }
}

BENCHMARK(BM_ReloadAndPaintFit)->Unit(benchmark::kMillisecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintAloneFit)->Unit(benchmark::kMillisecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoaderAloneFit)->Unit(benchmark::kMillisecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace
