// Soak: the whole viewer on the headless host, in this process, repeating one
// cycle of script lines thousands of times. The malloc heap in use after the
// warm-up and at the end must differ by less than a megabyte, and the process
// must hold as many open files at the end as after the warm-up.
//
//   soak reload [cycles] [warm-up]   reloads of one 2-megapixel photograph
//                                    (defaults 3000 and 100); every reload
//                                    must decode the picture again
//   soak tour [cycles] [warm-up]     jumps through the malformed folder with
//                                    turns, both views, scrolling, both
//                                    dialogs, the slideshow and resizes
//                                    (defaults 680 and 80); the jump target
//                                    repeats every 40 cycles, so both counts
//                                    must be multiples of 40 for the two
//                                    measurements to show the same file
//
// Exits 0 when the heap held still, 1 when it grew or the run went wrong, 2
// for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/start_viewer.h"
#include "app/viewer_state.h"
#include "platform/hosts/headless/headless.h"
#include "tests/reliability/hostile_folder.h"
#include "tests/reliability/process_memory.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr long long kAllowedGrowth = 1 << 20;
constexpr int kJumpTargets = 40;

struct Scenario {
    std::vector<std::string> cycle;  // script lines, applied one per idle viewer
    bool everyCycleDecodes = false;  // each cycle must decode the picture again
    int cycles = 0;
    int warmUp = 0;
    int period = 1;  // cycles after which the viewer is back where it was
};

struct SoakRun {
    Scenario scenario;
    int cycle = 0;       // cycles finished
    size_t line = 0;     // next line of the current cycle
    int missed = 0;      // cycles that should have decoded and did not
    bool scriptFailed = false;
    MemorySample afterWarmUp;
    MemorySample atEnd;
};

SoakRun g_run;

// The viewer marks its picture ready only after it has decoded it again, so
// the mark is cleared before each cycle and read after it.
void StartCycle()
{
    if (g_run.scenario.everyCycleDecodes) g_viewer.imageReady = 0;
}

void EndCycle()
{
    if (g_run.scenario.everyCycleDecodes && (g_viewer.imageReady != 1 || g_viewer.image == nullptr))
        ++g_run.missed;
    ++g_run.cycle;
    g_run.line = 0;
    if (g_run.cycle == g_run.scenario.warmUp) g_run.afterWarmUp = SampleMemory();
    if (g_run.cycle == g_run.scenario.cycles) g_run.atEnd = SampleMemory();
}

// A `#` in a line stands for a number that changes with the cycle, 1 to
// kJumpTargets.
std::string WithCycleNumber(std::string line)
{
    size_t mark = line.find('#');
    if (mark != std::string::npos) line.replace(mark, 1, std::to_string(g_run.cycle % kJumpTargets + 1));
    return line;
}

// Asked by the host whenever the viewer is idle: the next line, or the end.
bool NextStep()
{
    const std::vector<std::string> &cycle = g_run.scenario.cycle;
    if (g_run.line == cycle.size()) EndCycle();
    if (g_run.cycle == g_run.scenario.cycles || g_run.scriptFailed) return false;
    if (g_run.line == 0) StartCycle();
    std::string line = WithCycleNumber(cycle[g_run.line]);
    std::string error;
    if (!headless::RunScriptLine(line, &error)) {
        std::printf("FAIL: %s: %s\n", line.c_str(), error.c_str());
        g_run.scriptFailed = true;
    }
    ++g_run.line;
    return true;
}

Scenario ReloadScenario(const TempFolder &folder)
{
    JpegOptions options;
    options.quality = 90;
    options.subsample420 = true;
    // A 2-megapixel camera's picture, larger than the view in both directions.
    WriteBytes(folder.Join("photo.jpg"), EncodeJpeg(MakePhotoPicture(1600, 1200, 3, 11), options));
    return Scenario{{"key R"}, true, 3000, 100, 1};
}

Scenario TourScenario(const TempFolder &folder)
{
    MakeHostileFolder(folder);
    // Each cycle jumps to a different file: the warm-up shows every file.
    return Scenario{{"key J", "dialog #", "dialog-ok", "key Left", "key Shift", "hscroll SB_PAGERIGHT",
                     "vscroll SB_PAGEDOWN", "key Right", "resize 600 450", "key Shift", "resize 784 561",
                     "key T", "dialog 1", "dialog-ok", "advance 2000", "key T", "key BackSpace", "key Space"},
                    false, 680, 80, kJumpTargets};
}

bool ParseArguments(int argc, char **argv, const TempFolder &folder, Scenario *scenario)
{
    std::string name = argc > 1 ? argv[1] : "";
    if (name == "reload") *scenario = ReloadScenario(folder);
    else if (name == "tour") *scenario = TourScenario(folder);
    else return false;
    if (argc > 2) scenario->cycles = std::atoi(argv[2]);
    if (argc > 3) scenario->warmUp = std::atoi(argv[3]);
    int period = scenario->period;
    return scenario->warmUp > 0 && scenario->cycles > scenario->warmUp && scenario->warmUp % period == 0 &&
           scenario->cycles % period == 0;
}

int Report(int exitCode)
{
    long long growth = g_run.atEnd.heapInUse - g_run.afterWarmUp.heapInUse;
    std::printf("cycles: %d of %zu lines (heap measured after %d)\n", g_run.cycle, g_run.scenario.cycle.size(),
                g_run.scenario.warmUp);
    std::printf("heap in use: %lld -> %lld bytes, growth %lld (limit %lld)\n", g_run.afterWarmUp.heapInUse,
                g_run.atEnd.heapInUse, growth, kAllowedGrowth);
    std::printf("resident set: %lld -> %lld kB\n", g_run.afterWarmUp.residentKb, g_run.atEnd.residentKb);
    std::printf("open files: %d -> %d\n", g_run.afterWarmUp.openFiles, g_run.atEnd.openFiles);
    bool ok = !g_run.scriptFailed;
    if (exitCode != 0) ok = false, std::printf("FAIL: the viewer ended with %d\n", exitCode);
    if (g_run.cycle != g_run.scenario.cycles) ok = false, std::printf("FAIL: the run stopped early\n");
    if (g_run.missed != 0) ok = false, std::printf("FAIL: %d reloads did not decode\n", g_run.missed);
    if (growth >= kAllowedGrowth) ok = false, std::printf("FAIL: the heap grew\n");
    if (g_run.atEnd.openFiles != g_run.afterWarmUp.openFiles) ok = false, std::printf("FAIL: files were left open\n");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    TempFolder folder;
    if (!ParseArguments(argc, argv, folder, &g_run.scenario)) {
        std::fprintf(stderr, "usage: soak reload|tour [cycles] [warm-up], cycles > warm-up > 0,\n"
                             "       for tour both multiples of 40\n");
        return 2;
    }
    headless::Configure(headless::Config{});
    headless::SetScriptSource(NextStep);
    std::string folderPath = folder.path();
    char program[] = "kovlo", *viewerArgv[] = {program, folderPath.data(), nullptr};
    return Report(StartViewer(2, viewerArgv));
}
