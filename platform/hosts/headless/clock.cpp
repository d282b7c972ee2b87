// Headless host: the virtual clock and waiting for input.
// Implements: host::NowMs, host::WaitForEvents; headless::Advance,
//   PumpUntilIdle, SetScriptSource. When the layer waits, a held key's due
//   repeats and release are delivered first; then a pending clock advance
//   moves to the next timer tick or key event (or to its end); otherwise the
//   script gives the next step. After the script: open dialogs are cancelled,
//   then the top-level windows closed; if still nothing can happen the program
//   is ended with kIdleExitCode rather than waiting for ever. With
//   busyTimeCounts the real time the program works is added to the clock;
//   with workMs each stretch of work between two waits adds that time.
// Does not implement: real time spent waiting; input arriving by itself.
#include <algorithm>
#include <chrono>

#include "platform/hosts/headless/headless_state.h"
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

namespace headless {
namespace {

int64_t RealMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// The earlier of two due times, -1 standing for none.
int64_t Earliest(int64_t a, int64_t b)
{
    if (a == -1) return b;
    return b == -1 ? a : std::min(a, b);
}

// Moves the clock to the next tick on the way to the advance's end.
void StepClock(int64_t wakeAtMs)
{
    HostState &state = State();
    if (wakeAtMs != -1 && wakeAtMs <= state.advanceTargetMs) {
        state.nowMs = std::max(state.nowMs, wakeAtMs);
        return;
    }
    state.nowMs = std::max(state.nowMs, state.advanceTargetMs);
    state.advancing = false;
}

// One step of shutting down after the script: true while there was a step.
bool CloseNext()
{
    HostState &state = State();
    if (HWND dialog = OpenDialog()) {
        layer::OnCloseRequested(dialog);
        return true;
    }
    if (state.closedAfterScript || MainWindow() == nullptr) return false;
    state.closedAfterScript = true;
    for (HWND hwnd : layer::TopLevelWindows()) layer::OnCloseRequested(hwnd);
    return true;
}

}  // namespace

void ChargeBusyTime()
{
    HostState &state = State();
    if (!state.config.busyTimeCounts || state.config.workMs > 0) return;
    int64_t workedMs = (RealMicroseconds() - state.busySinceUs) / 1000;
    state.nowMs += workedMs;
    state.busySinceUs += workedMs * 1000;
}

void RestartBusyTime() { State().busySinceUs = RealMicroseconds(); }

void ChargeFixedWork()
{
    HostState &state = State();
    uint64_t taken = layer::MessagesTaken();
    if (state.config.workMs > 0 && taken != state.takenAtWait) state.nowMs += state.config.workMs;
    state.takenAtWait = taken;
}

int64_t NowMs()
{
    ChargeBusyTime();
    return State().nowMs;
}

bool PumpUntilIdle()
{
    MSG msg;
    while (layer::TakeMessageIfAny(&msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // left for the program's own loop
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void Advance(int64_t ms)
{
    HostState &state = State();
    state.advancing = true;
    state.advanceTargetMs = state.nowMs + std::max<int64_t>(ms, 0);
    // A quit message ends the advance where it stands: the program is ending.
    while (state.advancing) {
        if (!PumpUntilIdle()) {
            state.advancing = false;
            return;
        }
        if (!DeliverDueKeys()) StepClock(Earliest(layer_internal::EarliestTimerDue(), NextKeyEventMs()));
    }
    PumpUntilIdle();
}

void SetScriptSource(std::function<bool()> nextStep)
{
    State().script = std::move(nextStep);
    State().scriptEnded = false;
}

bool EndedIdle() { return State().endedIdle; }

}  // namespace headless

namespace host {

int64_t NowMs() { return headless::NowMs(); }

namespace {

// Waiting takes no time of the program's: the busy count restarts when the
// host hands control back.
struct WaitScope {
    WaitScope()
    {
        headless::ChargeBusyTime();
        headless::ChargeFixedWork();
    }
    ~WaitScope() { headless::RestartBusyTime(); }
};

}  // namespace

void WaitForEvents(int64_t wakeAtMs)
{
    WaitScope scope;
    headless::HostState &state = headless::State();
    if (headless::DeliverDueKeys()) return;
    if (state.advancing) {
        headless::StepClock(headless::Earliest(wakeAtMs, headless::NextKeyEventMs()));
        return;
    }
    if (state.script && !state.scriptEnded) {
        if (state.script()) return;
        state.scriptEnded = true;
    }
    if (headless::CloseNext()) return;
    state.endedIdle = true;
    PostQuitMessage(headless::kIdleExitCode);
}

}  // namespace host
