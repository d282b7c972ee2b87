// The JPEG loader against the floor no viewer can beat, and against files
// made to hurt it.
//
// Loader vs floor: LoadJpeg of a 6000x4000 photograph for an 800x575 fit view
// (decoded at 1/4) and for the actual-size view, beside a bare library decode
// of the same file at the same scale into a throw-away row. The difference is
// the loader's own work: the pixel block, the row conversion, the markers.
//
// Hostile files: each file of the test catalogue, loaded in both views; the
// counter peak_MB is the loader's peak resident memory above idle, measured
// once per file and view in a new process of this program.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <jpeglib.h>

#include "app/viewer_state.h"
#include "bench/support/bench_viewer.h"
#include "image/jpeg_loader.h"
#include "platform/user/heap_policy.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

// The viewer's process keeps picture blocks in its heap (set at start-up);
// the loads measured here run under the same policy.
const bool HeapPolicySet = (SetProcessAllocatorToKeepLargeBlocks(), true);

constexpr int PhotoWidth = 6000;
constexpr int PhotoHeight = 4000;
constexpr int FitViewWidth = 800;
constexpr int FitViewHeight = 575;

// The photograph, written once for all benchmarks of the run.
const std::string &PhotoPath()
{
    static TempFolder folder;
    static const std::string path = [] {
        JpegOptions options;
        options.quality = 90;
        options.subsample420 = true;
        folder.AddFile("photo.jpg", EncodeJpeg(MakePhotoPicture(PhotoWidth, PhotoHeight, 3, 42), options));
        return folder.Join("photo.jpg");
    }();
    return path;
}

// One load as the reload makes it: open, LoadJpeg, close; the block freed.
bool LoadOnce(const std::string &path, int fitMode, int viewWidth, int viewHeight)
{
    g_viewer.fitMode = fitMode;
    FILE *stream = OpenForReading(path);
    PackedDib *dib = LoadJpeg(stream, viewWidth, viewHeight);
    fclose(stream);
    benchmark::DoNotOptimize(dib);
    bool shown = dib != nullptr;
    free(dib);
    return shown;
}

// A field of /proc/self/status in kB (VmRSS, VmHWM).
long StatusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    size_t n = strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, n, field) == 0 && line[n] == ':') return atol(line.c_str() + n + 1);
    return -1;
}

// The environment variable that turns a run of this program into one
// measured load: "<fitMode>:<path>".
constexpr const char *PeakRequest = "KOVLO_LOADER_PEAK";

// In the measuring process: the high-water mark is reset to the resident
// memory at idle, one load runs, and the rise in MB goes to the standard
// output. The process ends before the benchmarks start.
const bool IsMeasuringProcess = [] {
    const char *request = getenv(PeakRequest);
    if (!request) return false;
    int fitMode = request[0] == '1';
    std::ofstream("/proc/self/clear_refs") << "5";  // VmHWM := VmRSS
    long idle = StatusKilobytes("VmRSS");
    LoadOnce(request + 2, fitMode, FitViewWidth, FitViewHeight);
    long peak = StatusKilobytes("VmHWM");
    printf("%.3f\n", (peak - idle) / 1024.0);
    fflush(stdout);
    _exit(0);
    return true;
}();

// Peak resident memory of one load above the process's idle memory, in MB,
// measured in a new process of this program (spawned, not forked, so that
// the benchmarks' own pages stay out of it and out of copy-on-write).
double PeakMegabytesOfLoad(const std::string &path, int fitMode)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string request = std::string(PeakRequest) + "=" + (fitMode ? "1:" : "0:") + path;
    char program[] = "/proc/self/exe";
    char *argv[] = {program, nullptr};
    char *envp[] = {request.data(), nullptr};
    pid_t child;
    int failed = posix_spawn(&child, program, &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    char text[64] = {};
    ssize_t got = failed ? -1 : read(pipeEnds[0], text, sizeof text - 1);
    close(pipeEnds[0]);
    if (!failed) waitpid(child, nullptr, 0);
    return got > 0 ? atof(text) : -1;
}

void BM_LoaderFit(benchmark::State &state)
{
    const std::string &path = PhotoPath();
    for (auto _ : state) LoadOnce(path, 1, FitViewWidth, FitViewHeight);
    state.counters["denominator"] = g_viewer.decodeDenominator;
    state.counters["peak_MB"] = PeakMegabytesOfLoad(path, 1);
}

void BM_FloorFit(benchmark::State &state)
{
    const std::string &path = PhotoPath();
    unsigned denominator = ChooseScaleDenominator(PhotoWidth, PhotoHeight, FitViewWidth, FitViewHeight);
    for (auto _ : state) DecodeOnly(path, denominator);
    state.counters["denominator"] = denominator;
}

void BM_LoaderActualSize(benchmark::State &state)
{
    const std::string &path = PhotoPath();
    for (auto _ : state) LoadOnce(path, 0, FitViewWidth, FitViewHeight);
    state.counters["peak_MB"] = PeakMegabytesOfLoad(path, 0);
}

void BM_FloorActualSize(benchmark::State &state)
{
    const std::string &path = PhotoPath();
    for (auto _ : state) DecodeOnly(path, 1);
}

BENCHMARK(BM_FloorFit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoaderFit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorActualSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoaderActualSize)->Unit(benchmark::kMillisecond)->UseRealTime();

// A turn of the decoded photograph, as an EXIF orientation of 3, 6 or 8 (or
// the user's R key) costs it at actual size; the copy to turn is made
// outside the timing, since the turn consumes its input.
void BM_RotateQuarterTurns(benchmark::State &state)
{
    int turns = int(state.range(0));
    PackedDib *photo = AllocatePackedDib(PhotoWidth, PhotoHeight);
    size_t bytes = sizeof(BITMAPINFOHEADER) + photo->header.biSizeImage;
    memset(PackedDibPixels(photo), 0x6B, photo->header.biSizeImage);
    for (auto _ : state) {
        state.PauseTiming();
        PackedDib *copy = static_cast<PackedDib *>(malloc(bytes));
        memcpy(copy, photo, bytes);
        state.ResumeTiming();
        PackedDib *turned = RotateQuarterTurns(copy, turns);
        benchmark::DoNotOptimize(turned);
        free(turned);
    }
    free(photo);
}

BENCHMARK(BM_RotateQuarterTurns)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---------------------------------------------------------------------------
// Hostile files.

struct HostileCase {
    std::string path;
    int fitMode;
};

// The library writes its warnings and errors to the standard error stream;
// thousands of copies would bury the results, so they go nowhere meanwhile.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO))
    {
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStandardError()
    {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }

private:
    int saved_;
};

void BM_HostileFile(benchmark::State &state, HostileCase c)
{
    QuietStandardError quiet;
    bool shown = false;
    for (auto _ : state) shown = LoadOnce(c.path, c.fitMode, FitViewWidth, FitViewHeight);
    state.counters["shown"] = shown;
    state.counters["peak_MB"] = PeakMegabytesOfLoad(c.path, c.fitMode);
}

// Registered at start-up, one benchmark per file and view.
const bool HostileRegistered = [] {
    static TempFolder folder;
    int index = 0;
    for (const HostileFile &file : HostileJpegFiles()) {
        std::string path = folder.Join("hostile" + std::to_string(index++) + ".jpg");
        WriteBytes(path, file.bytes);
        for (int fitMode : {1, 0}) {
            std::string name = "BM_HostileFile/" + file.name + (fitMode ? "/fit" : "/actual");
            std::replace(name.begin(), name.end(), ' ', '_');
            benchmark::RegisterBenchmark(name.c_str(), BM_HostileFile, HostileCase{path, fitMode})
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.05);
        }
    }
    return true;
}();

}  // namespace
