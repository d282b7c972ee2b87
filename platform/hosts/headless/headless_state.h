// The headless host's one state record.
#pragma once

#include <map>

#include "platform/hosts/headless/headless.h"

namespace headless {

struct WindowMirror {
    RECT outer{};
    bool visible = false;
    bool ibeamCursor = false;
    IconImage icon;
    std::string title;
    ScrollBarView bars[2];
};

// A key held down by the script's `hold`, on the virtual clock.
struct HeldKey {
    HWND target = nullptr;
    UINT key = 0;
    int64_t nextRepeatMs = 0;
    int64_t releaseMs = -1;  // -1: no key is held
};

struct HostState {
    Config config;
    int64_t nowMs = 0;
    bool advancing = false;
    int64_t advanceTargetMs = 0;
    int64_t busySinceUs = 0;  // real time the program's present work began
    uint64_t takenAtWait = 0;  // the layer's count of messages taken, at the last wait
    HeldKey held;
    std::function<bool()> script;
    bool scriptEnded = false;
    bool closedAfterScript = false;
    bool endedIdle = false;
    std::function<void()> show;
    std::function<void(const MessageBoxRecord &)> onMessageBox;
    std::vector<MessageBoxRecord> messageBoxes;
    std::map<HWND, WindowMirror> windows;
    std::map<HWND, int> editLimits;
    std::vector<HWND> dialogs;
};

HostState &State();

// Busy time (clock.cpp): charges the real time worked since the last charge
// to the clock, when the configuration asks for it; the other restarts the
// count when the host hands control back to the program.
void ChargeBusyTime();
void RestartBusyTime();
// The fixed time of the work since the last wait, when the configuration
// gives one and the program took a message meanwhile.
void ChargeFixedWork();

// The held key (held_key.cpp): starts holding (the press is delivered at once),
// delivers the repeats and the release that are due (true when there were
// any), and tells when the next of them is due (-1: nothing held).
void HoldKey(HWND target, UINT key, int64_t ms);
bool DeliverDueKeys();
int64_t NextKeyEventMs();

}  // namespace headless
