// SetTimer and KillTimer on the host's clock. A timer has at most one WM_TIMER
// waiting: when it is taken the next tick is due one interval later, so a
// clock that jumps over several ticks yields one message, as on Windows.
#include <algorithm>
#include <vector>

#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

// Windows raises shorter intervals to this minimum.
constexpr UINT kMinimumIntervalMs = 10;

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT intervalMs;
    TIMERPROC callback;
    int64_t dueMs;
};

std::vector<Timer> &Timers()
{
    static std::vector<Timer> timers;
    return timers;
}

std::vector<Timer>::iterator FindTimer(HWND hwnd, UINT_PTR id)
{
    return std::find_if(Timers().begin(), Timers().end(),
                        [&](const Timer &t) { return t.hwnd == hwnd && t.id == id; });
}

// Thread timers (no window) get identifiers of their own.
UINT_PTR NextThreadTimerId()
{
    static UINT_PTR next = 0x7FF0;
    return ++next;
}

}  // namespace

extern "C" UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC callback)
{
    if (hwnd != nullptr && FindWindowRecord(hwnd) == nullptr) return 0;
    if (hwnd == nullptr) id = NextThreadTimerId();
    UINT interval = std::max(elapseMs, kMinimumIntervalMs);
    Timer timer{hwnd, id, interval, callback, host::NowMs() + interval};
    auto existing = FindTimer(hwnd, id);
    if (existing != Timers().end()) {
        *existing = timer;  // setting it again restarts the interval
    } else {
        Timers().push_back(timer);
    }
    return id != 0 ? id : 1;
}

extern "C" BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto existing = FindTimer(hwnd, id);
    if (existing == Timers().end()) return FALSE;
    Timers().erase(existing);
    return TRUE;
}

namespace layer_internal {

void KillTimersOf(HWND hwnd)
{
    auto &timers = Timers();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer &t) { return t.hwnd == hwnd; }),
                 timers.end());
}

int64_t EarliestTimerDue()
{
    int64_t earliest = -1;
    for (const Timer &timer : Timers()) {
        if (earliest == -1 || timer.dueMs < earliest) earliest = timer.dueMs;
    }
    return earliest;
}

bool TakeDueTimer(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    int64_t now = host::NowMs();
    Timer *chosen = nullptr;
    for (Timer &timer : Timers()) {
        MSG tick{timer.hwnd, WM_TIMER, timer.id, 0, 0, {0, 0}};
        if (timer.dueMs > now || !MatchesFilter(tick, hwnd, filterMin, filterMax)) continue;
        if (chosen == nullptr || timer.dueMs < chosen->dueMs) chosen = &timer;
    }
    if (chosen == nullptr) return false;
    *msg = MSG{chosen->hwnd, WM_TIMER, chosen->id,
               reinterpret_cast<LPARAM>(chosen->callback), 0, {0, 0}};
    chosen->dueMs = now + chosen->intervalMs;
    return true;
}

void ResetTimers() { Timers().clear(); }

}  // namespace layer_internal
