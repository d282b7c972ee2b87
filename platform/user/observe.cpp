// The layer's state as the hosts, the replay driver and the tests read it.
#include "platform/user/observe.h"

#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

std::vector<HWND> WindowsOfKind(WindowKind kind, bool openOnly)
{
    std::vector<HWND> found;
    for (HWND hwnd : LiveWindows()) {
        KovloWindow *window = FindWindowRecord(hwnd);
        if (window->kind != kind) continue;
        if (openOnly && window->dialog != nullptr && window->dialog->ended) continue;
        found.push_back(hwnd);
    }
    return found;
}

}  // namespace

namespace layer {

std::vector<HWND> TopLevelWindows() { return WindowsOfKind(WindowKind::TopLevel, false); }

std::vector<HWND> OpenDialogs() { return WindowsOfKind(WindowKind::Dialog, true); }

void ResetWindowsAndQueue()
{
    for (HWND hwnd : LiveWindows()) {
        if (FindWindowRecord(hwnd) != nullptr && FindWindowRecord(hwnd)->parent == nullptr)
            DestroyWindow(hwnd);
    }
    ResetQueue();
    ResetTimers();
    ReleaseRetiredWindows();
}

}  // namespace layer
