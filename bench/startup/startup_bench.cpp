// Where the viewer's start-up goes, from exec to its first picture on the X
// server: the viewer's own start-up steps, in its order, each timed. Run by
// startup.sh (one process per run, under Xvfb); prints one line of phases.
//
// The steps are the viewer's (WinMain, CreateViewerWindow) with a clock
// between them; the window procedure is the viewer's, wrapped so that the
// first reload (the decode) and the first paint are timed apart from the rest
// of creating the window.
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

// The Windows header first: GLib then keeps its TRUE and FALSE.
#include "platform/win32.h"

#include <gtk/gtk.h>

#include "app/main_window.h"
#include "app/viewer_state.h"
#include "app/window_proc.h"
#include "files/file_list.h"
#include "files/start_folder.h"

namespace {

double ClockMs(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double NowMs() { return ClockMs(CLOCK_REALTIME); }

// The process's peak resident memory so far (VmHWM), in MiB.
double PeakMiB()
{
    FILE *status = fopen("/proc/self/status", "r");
    char line[256];
    long kib = 0;
    while (status && fgets(line, sizeof line, status)) sscanf(line, "VmHWM: %ld", &kib);
    if (status) fclose(status);
    return kib / 1024.0;
}

// A phase's wall-clock and CPU time (all threads of the process): on a loaded
// machine the CPU time is the steadier figure. Then the peak memory at its end.
struct Phase {
    const char *name;
    double wallMs, cpuMs, peakMiB;
};
Phase g_phases[10];
int g_phaseCount = 0;
double g_lastWall = 0, g_lastCpu = 0;

// Ends the phase under way at the moment of the call.
void EndPhase(const char *name)
{
    double wall = NowMs(), cpu = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    g_phases[g_phaseCount++] = {name, wall - g_lastWall, cpu - g_lastCpu, PeakMiB()};
    g_lastWall = wall;
    g_lastCpu = cpu;
}

// The first reload and the first paint, timed inside the window's creation.
Phase g_reload = {"first_reload", 0, 0, 0}, g_paint = {"first_paint", 0, 0, 0};
double g_peakBeforeReload = 0;
bool g_drawn = false;

// The viewer's window procedure with the first WM_CREATE and WM_PAINT timed.
LRESULT CALLBACK TimedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    double wall = NowMs(), cpu = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    if (message == WM_CREATE) g_peakBeforeReload = PeakMiB();
    LRESULT result = ViewerWndProc(hwnd, message, wParam, lParam);
    Phase *timed = message == WM_CREATE ? &g_reload
                 : message == WM_PAINT && g_paint.wallMs == 0 ? &g_paint : nullptr;
    if (timed) {
        timed->wallMs += NowMs() - wall;
        timed->cpuMs += ClockMs(CLOCK_PROCESS_CPUTIME_ID) - cpu;
        timed->peakMiB = PeakMiB();
    }
    return result;
}

// Takes the first reload and paint out of the window phase just ended.
void SplitWindowPhase()
{
    Phase &window = g_phases[g_phaseCount - 1];
    window.wallMs -= g_reload.wallMs + g_paint.wallMs;
    window.cpuMs -= g_reload.cpuMs + g_paint.cpuMs;
    window.peakMiB = g_peakBeforeReload;
    g_phases[g_phaseCount++] = g_reload;
    g_phases[g_phaseCount++] = g_paint;
}

// The viewer's class with the timed procedure.
void RegisterTimedClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = ViewerClass(instance);
    windowClass.lpfnWndProc = TimedWndProc;
    RegisterClassA(&windowClass);
}

gboolean NoteDrawn(GtkWidget *, cairo_t *, gpointer)
{
    g_drawn = true;
    return FALSE;
}

// Runs GTK until the window has drawn itself once, then waits for the X
// server to have taken the drawing.
void AwaitFirstDraw()
{
    GList *windows = gtk_window_list_toplevels();
    for (GList *w = windows; w; w = w->next) {
        g_signal_connect_after(w->data, "draw", G_CALLBACK(NoteDrawn), nullptr);
    }
    g_list_free(windows);
    while (!g_drawn) g_main_context_iteration(nullptr, TRUE);
    gdk_display_sync(gdk_display_get_default());
}


}  // namespace

void PrintPhases(double execMs)
{
    for (int i = 0; i < g_phaseCount; ++i) {
        const Phase &p = g_phases[i];
        printf("%s %.2f %.2f %.1f ", p.name, p.wallMs, p.cpuMs, p.peakMiB);
    }
    printf("total %.2f %.2f %.1f\n", g_lastWall - execMs, ClockMs(CLOCK_PROCESS_CPUTIME_ID),
           PeakMiB());
}

// startup_bench EXEC_TIME_NS FOLDER: EXEC_TIME_NS is CLOCK_REALTIME just
// before exec (date +%s%N). Prints "name wall-ms cpu-ms peak-MiB" for each
// phase, and the same for the total, on one line.
int main(int argc, char **argv)
{
    if (argc != 3) return 2;
    double execMs = atof(argv[1]) / 1e6;
    g_lastWall = execMs;
    EndPhase("exec_to_main");  // its CPU time: loading the libraries
    // As the viewer does before GTK starts (the GTK host's Init).
    setenv("GDK_GL", "disable", 0);
    int one = 1;
    char **none = argv;
    gtk_init_check(&one, &none);
    EndPhase("gtk_init");
    InitPlatform(&one, &none);  // the rest of the host's start-up: theme, font, metrics
    EndPhase("host_init");
    g_viewer.instance = GetModuleHandleA(NULL);
    ResolveStartFolder(argv[2]);
    if (BuildFileList() <= 0) return 1;
    EndPhase("file_list");
    RegisterTimedClass(g_viewer.instance);
    CreateViewerWindow(g_viewer.instance, SW_SHOWDEFAULT);
    EndPhase("window");
    SplitWindowPhase();
    AwaitFirstDraw();
    EndPhase("to_screen");
    PrintPhases(execMs);
    return 0;
}
