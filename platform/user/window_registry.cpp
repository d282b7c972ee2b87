// The registry of live windows: handles are checked here before use, and a
// destroyed window's memory outlives the calls that may still be on the stack.
#include <algorithm>

#include "platform/user/window_record.h"

KovloWindow::~KovloWindow()
{
    if (surface != nullptr) cairo_surface_destroy(surface);
    if (invalid != nullptr) cairo_region_destroy(invalid);
    if (paintRegion != nullptr) cairo_region_destroy(paintRegion);
}

namespace layer_internal {
namespace {

struct Registry {
    std::vector<std::unique_ptr<KovloWindow>> live;
    std::vector<std::unique_ptr<KovloWindow>> retired;
    KovloWindow desktop;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

KovloWindow *FindWindowRecord(HWND hwnd)
{
    if (hwnd == nullptr) return nullptr;
    Registry &registry = TheRegistry();
    if (hwnd == &registry.desktop) return &registry.desktop;
    for (const auto &window : registry.live) {
        if (window.get() == hwnd) return window.get();
    }
    return nullptr;
}

HWND AdoptWindow(std::unique_ptr<KovloWindow> window)
{
    HWND handle = window.get();
    TheRegistry().live.push_back(std::move(window));
    return handle;
}

void RetireWindow(HWND hwnd)
{
    auto &live = TheRegistry().live;
    auto found = std::find_if(live.begin(), live.end(),
                              [hwnd](const auto &window) { return window.get() == hwnd; });
    if (found == live.end()) return;
    TheRegistry().retired.push_back(std::move(*found));
    live.erase(found);
}

void ReleaseRetiredWindows() { TheRegistry().retired.clear(); }

std::vector<HWND> LiveWindows()
{
    std::vector<HWND> handles;
    for (const auto &window : TheRegistry().live) handles.push_back(window.get());
    return handles;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> handles;
    for (const auto &window : TheRegistry().live) {
        if (window->parent == parent) handles.push_back(window.get());
    }
    return handles;
}

HWND DesktopWindow()
{
    KovloWindow &desktop = TheRegistry().desktop;
    desktop.kind = WindowKind::Desktop;
    desktop.visible = true;
    desktop.outer = host::ScreenRect();
    desktop.clientWidth = desktop.outer.right - desktop.outer.left;
    desktop.clientHeight = desktop.outer.bottom - desktop.outer.top;
    return &desktop;
}

}  // namespace layer_internal

extern "C" HWND GetDesktopWindow(void) { return layer_internal::DesktopWindow(); }
