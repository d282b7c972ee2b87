// Headless host: a key held down, the counterpart of the GTK host's key
// releases and X's auto-repeat.
// Implements: the press at once, a repeat kRepeatDelayMs after it and then
//   every kRepeatIntervalMs, the release after the hold; each delivered when
//   the layer waits and the clock has reached it (so a program busy past
//   several repeats finds them all at its next wait, as on a real display).
// Does not implement: two keys held at once (a hold ends before the script
//   goes on).
#include <algorithm>

#include "platform/hosts/headless/headless_state.h"

namespace headless {

void HoldKey(HWND target, UINT key, int64_t ms)
{
    HostState &state = State();
    layer::OnKeyDown(target, key, false);
    state.held = HeldKey{target, key, state.nowMs + kRepeatDelayMs, state.nowMs + ms};
    state.advancing = true;
    state.advanceTargetMs = state.held.releaseMs;
}

bool DeliverDueKeys()
{
    HeldKey &held = State().held;
    const int64_t now = State().nowMs;
    if (held.releaseMs < 0) return false;
    bool delivered = false;
    for (; held.nextRepeatMs < held.releaseMs && held.nextRepeatMs <= now;
         held.nextRepeatMs += kRepeatIntervalMs) {
        layer::OnKeyDown(held.target, held.key, true);
        delivered = true;
    }
    if (held.releaseMs <= now) {
        layer::OnKeyUp(held.target, held.key);
        held = HeldKey{};
        delivered = true;
    }
    return delivered;
}

int64_t NextKeyEventMs()
{
    const HeldKey &held = State().held;
    if (held.releaseMs < 0) return -1;
    return std::min(held.nextRepeatMs, held.releaseMs);
}

}  // namespace headless
