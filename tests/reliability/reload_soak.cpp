// Soak: thousands of reloads of one photograph-sized file in one process, the
// whole viewer on the headless host. The malloc heap in use after the warm-up
// and at the end must differ by less than a megabyte; every reload must have
// decoded the picture again.
//
//   reload_soak [reloads] [warm-up]   (defaults 3000 and 100)
//
// Exits 0 when the heap held still, 1 when it grew or a reload did nothing.
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/start_viewer.h"
#include "app/viewer_state.h"
#include "platform/hosts/headless/headless.h"
#include "tests/reliability/process_memory.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr long long kAllowedGrowth = 1 << 20;
constexpr int kPhotoWidth = 2048, kPhotoHeight = 1536;  // a 3-megapixel camera

struct SoakRun {
    int reloads = 3000;
    int warmUp = 100;
    int done = 0;        // reloads asked for so far
    int missed = 0;      // reloads that did not decode the picture again
    MemorySample afterWarmUp;
    MemorySample atEnd;
};

SoakRun g_run;

// A reload that ran opened the file again: the mark cleared before the key is
// set again by the viewer only after it has decoded the picture.
bool LastReloadDecoded()
{
    return g_viewer.imageReady == 1 && g_viewer.image != nullptr;
}

// Asked by the host whenever the viewer is idle: one more reload, or the end.
bool NextStep()
{
    if (g_run.done > 0 && !LastReloadDecoded()) ++g_run.missed;
    if (g_run.done == g_run.warmUp) g_run.afterWarmUp = SampleMemory();
    if (g_run.done == g_run.reloads) {
        g_run.atEnd = SampleMemory();
        return false;
    }
    g_viewer.imageReady = 0;
    std::string error;
    if (!headless::RunScriptLine("key R", &error)) {
        std::fprintf(stderr, "reload_soak: %s\n", error.c_str());
        return false;
    }
    ++g_run.done;
    return true;
}

std::string MakePhotoFolder(const TempFolder &folder)
{
    JpegOptions options;
    options.quality = 90;
    options.subsample420 = true;
    WriteBytes(folder.Join("photo.jpg"), EncodeJpeg(MakePhotoPicture(kPhotoWidth, kPhotoHeight, 3, 11), options));
    return folder.path();
}

int Report()
{
    long long growth = g_run.atEnd.heapInUse - g_run.afterWarmUp.heapInUse;
    std::printf("reloads: %d (heap measured after %d)\n", g_run.done, g_run.warmUp);
    std::printf("heap in use: %lld -> %lld bytes, growth %lld (limit %lld)\n",
                g_run.afterWarmUp.heapInUse, g_run.atEnd.heapInUse, growth, kAllowedGrowth);
    std::printf("resident set: %lld -> %lld kB\n", g_run.afterWarmUp.residentKb, g_run.atEnd.residentKb);
    bool ok = true;
    if (g_run.done != g_run.reloads) ok = false, std::printf("FAIL: the run stopped early\n");
    if (g_run.missed != 0) ok = false, std::printf("FAIL: %d reloads did not decode\n", g_run.missed);
    if (growth >= kAllowedGrowth) ok = false, std::printf("FAIL: the heap grew\n");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1) g_run.reloads = std::atoi(argv[1]);
    if (argc > 2) g_run.warmUp = std::atoi(argv[2]);
    if (g_run.warmUp < 1 || g_run.reloads <= g_run.warmUp) {
        std::fprintf(stderr, "usage: reload_soak [reloads] [warm-up], reloads > warm-up > 0\n");
        return 2;
    }
    TempFolder folder;
    std::string folderPath = MakePhotoFolder(folder);
    headless::Configure(headless::Config{});
    headless::SetScriptSource(NextStep);
    char program[] = "kovlo", *viewerArgv[] = {program, folderPath.data(), nullptr};
    int exitCode = StartViewer(2, viewerArgv);
    if (exitCode != 0) std::printf("FAIL: the viewer ended with %d\n", exitCode);
    return Report() != 0 || exitCode != 0 ? 1 : 0;
}
