// The headless host's one state record.
#pragma once

#include <map>

#include "platform/hosts/headless/headless.h"

namespace headless {

struct WindowMirror {
    RECT outer{};
    bool visible = false;
    bool ibeamCursor = false;
    std::string title;
    ScrollBarView bars[2];
};

struct HostState {
    Config config;
    int64_t nowMs = 0;
    bool advancing = false;
    int64_t advanceTargetMs = 0;
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

}  // namespace headless
