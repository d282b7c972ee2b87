// The next photograph on a screen of scale 2, against the floor: the bare
// library decode at the reduction the larger view now needs.
//
// BM_NextImage: Space in the fit view of a 1568 x 1072 view (the default
// 800 x 600 window at scale 2), the reload and the paint that follow, over
// two 6000x4000 photographs in turn (decoded at 1/2: 3000x2000).
// KOVLO_BENCH_SCALE=1 runs the same at scale 1 (784 x 536, decoded at 1/4).
// BM_Floor: open, decode every row at that reduction into one reused
// row, close. (The peak memory is measured on the replay driver, which
// makes no photograph of its own: bench/peak_private.py, docs/hidpi.md.)
// A program of its own: the viewer's state and the headless host are one per
// process, and this one is configured for one scale.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include <jpeglib.h>

#include "app/keys.h"
#include "app/main_window.h"
#include "app/viewer_state.h"
#include "bench/support/bench_viewer.h"
#include "files/file_list.h"
#include "image/jpeg_loader.h"
#include "platform/hosts/headless/headless.h"
#include "platform/user/heap_policy.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

int Scale()
{
    const char *given = getenv("KOVLO_BENCH_SCALE");
    return given != nullptr && atoi(given) >= 1 ? atoi(given) : 2;
}

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;

struct ScaledViewer {
    TempFolder folder;
    HWND hwnd = nullptr;

    ScaledViewer()
    {
        SetProcessAllocatorToKeepLargeBlocks();  // as the viewer's start-up does
        JpegOptions options;
        options.quality = 90;
        options.subsample420 = true;
        auto photo = EncodeJpeg(MakePhotoPicture(kPhotoWidth, kPhotoHeight, 3, 42), options);
        folder.AddFile("a.jpg", photo);
        folder.AddFile("b.jpg", photo);
        headless::Configure(headless::ScaledConfig(Scale()));
        hwnd = StartHeadlessViewer(folder.path());
    }
};

ScaledViewer &Viewer()
{
    static ScaledViewer viewer;
    return viewer;
}

void BM_NextImage(benchmark::State &state)
{
    ScaledViewer &viewer = Viewer();
    for (auto _ : state) {
        HandleKeyDown(viewer.hwnd, VK_SPACE);
        headless::PumpUntilIdle();  // the reload and its paint
    }
    if (g_viewer.image == nullptr || g_viewer.fitScale <= 0)
        state.SkipWithError("the photograph was not shown");
    state.counters["denominator"] = g_viewer.decodeDenominator;
    state.counters["scale"] = Scale();
}

void BM_Floor(benchmark::State &state)
{
    ScaledViewer &viewer = Viewer();
    std::string path = viewer.folder.Join("a.jpg");
    unsigned denominator =
        ChooseScaleDenominator(kPhotoWidth, kPhotoHeight, g_viewer.viewWidth, g_viewer.viewHeight);
    for (auto _ : state) DecodeOnly(path, denominator);
    state.counters["denominator"] = denominator;
}

BENCHMARK(BM_NextImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
