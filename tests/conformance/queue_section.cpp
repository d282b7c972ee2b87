// The order in which a window's queue hands out its messages. Each scenario
// starts with an empty queue, puts messages in (posted with PostMessageA,
// keys pressed as input, an invalid area, a timer) and then takes them with
// GetMessageA until a timer's tick (set last) ends it; printed is what the
// window procedure received, in order. Keys pressed one after the other are
// in the queue before anything is taken: under Wine keybd_event queues the
// input before it returns (on Windows the input thread may be later). Keys come as real input on both builds
// (host.h): Windows' keybd_event, the headless host's key events.
#include <string>
#include <vector>

#include "tests/conformance/conformance.h"
#include "tests/conformance/host.h"

using namespace conformance;

namespace {

const UINT kMarker = 0x0400 + 1;  // WM_USER + 1: a posted message of our own
const UINT_PTR kEndTimer = 7;

std::vector<std::string> &Received()
{
    static std::vector<std::string> received;
    return received;
}

bool g_recording = false;

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: return Format("WM_SIZE %u %ld", unsigned(wParam), long(lParam));
    case WM_KEYDOWN:
    case WM_KEYUP:
        return Format("%s %02X repeat %u, %s", message == WM_KEYDOWN ? "WM_KEYDOWN" : "WM_KEYUP",
                      unsigned(wParam), unsigned(lParam & 0xFFFF),
                      (lParam >> 30) & 1 ? "was down" : "was up");
    case WM_PAINT: return "WM_PAINT";
    case WM_TIMER: return Format("WM_TIMER %u", unsigned(wParam));
    case kMarker: return Format("WM_USER+1 %u", unsigned(wParam));
    default: return std::string();
    }
}

LRESULT CALLBACK QueueWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::string seen = Describe(message, wParam, lParam);
    if (g_recording && !seen.empty()) Received().push_back(seen);
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_TIMER) {
        KillTimer(hwnd, wParam);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Takes messages until the end timer's tick; the scenario's are printed.
void RunQueue(HWND hwnd, const char *scenario, bool record)
{
    SetTimer(hwnd, kEndTimer, 50, nullptr);
    Received().clear();
    g_recording = record;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    g_recording = false;
    if (!record) return;
    std::string line;
    for (const std::string &seen : Received()) line += (line.empty() ? "" : ", ") + seen;
    Print("%s: %s\n", scenario, line.c_str());
}

void Post(HWND hwnd, UINT message, WPARAM wParam) { PostMessageA(hwnd, message, wParam, 0); }

// Each scenario: what goes into the queue before the messages are taken.
void KeysWhileSizeWaits(HWND hwnd)
{
    Post(hwnd, WM_SIZE, 0);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, false);
    Post(hwnd, kMarker, 1);
}

void KeyBeforePosted(HWND hwnd)
{
    PressKey(hwnd, VK_BACK, true);
    Post(hwnd, kMarker, 2);
    PressKey(hwnd, VK_BACK, false);
    Post(hwnd, WM_SIZE, 0);
}

void RepeatsOfWaitingKey(HWND hwnd)
{
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, false);
}

void RepeatsAfterAnotherKey(HWND hwnd)
{
    PressKey(hwnd, VK_RIGHT, true);
    PressKey(hwnd, VK_RIGHT, false);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, false);
}

void PaintAndTimerLast(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    PressKey(hwnd, VK_SPACE, true);
    PressKey(hwnd, VK_SPACE, false);
    Post(hwnd, kMarker, 3);
}

struct Scenario {
    const char *name;
    void (*fill)(HWND);
};

const Scenario kScenarios[] = {
    {"keys while a posted WM_SIZE waits", KeysWhileSizeWaits},
    {"a key before posted messages", KeyBeforePosted},
    {"repeats of a waiting key-down", RepeatsOfWaitingKey},
    {"repeats after another key", RepeatsAfterAnotherKey},
    {"paint and timer with input and a posted message", PaintAndTimerLast},
};

}  // namespace

void PrintQueue()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = QueueWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "KovloConformanceQueue";
    RegisterClassA(&windowClass);
    HWND hwnd = CreateWindowExA(0, windowClass.lpszClassName, "queue", WS_OVERLAPPEDWINDOW, 0, 0,
                                320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    TakeKeyboard(hwnd);
    RunQueue(hwnd, "start", false);  // whatever creating and showing left
    for (const Scenario &scenario : kScenarios) {
        scenario.fill(hwnd);
        RunQueue(hwnd, scenario.name, true);
    }
    DestroyWindow(hwnd);
}
