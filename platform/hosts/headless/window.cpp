// Headless host: top-level windows.
// Implements: host::CreateTopLevel (giving the configured client size, when
//   there is one, before the window's WM_CREATE), DestroyTopLevel,
//   MoveTopLevel, ShowTopLevel, SetTitle, SetIbeamCursor, SetIcon,
//   UpdateScrollBar, ClientPixelsChanged, CreateClientSurface; a mirror of each window (dialogs
//   included, for their icon) for the tests.
// Does not implement: a display; the pixels stay in the layer's surface.
#include "platform/hosts/headless/headless_state.h"
#include "platform/user/observe.h"

namespace host {

void CreateTopLevel(HWND hwnd, const RECT &outer)
{
    headless::HostState &state = headless::State();
    state.windows[hwnd].outer = outer;
    if (state.config.clientWidth >= 0 && state.config.clientHeight >= 0)
        layer::OnClientResized(hwnd, state.config.clientWidth, state.config.clientHeight);
}

void DestroyTopLevel(HWND hwnd) { headless::State().windows.erase(hwnd); }

void MoveTopLevel(HWND hwnd, const RECT &outer) { headless::State().windows[hwnd].outer = outer; }

void ShowTopLevel(HWND hwnd, int showCommand)
{
    headless::State().windows[hwnd].visible = showCommand != SW_HIDE;
}

void SetTitle(HWND hwnd, const std::string &utf8) { headless::State().windows[hwnd].title = utf8; }

void SetIbeamCursor(HWND hwnd) { headless::State().windows[hwnd].ibeamCursor = true; }

void SetIcon(HWND hwnd, const IconImage &icon) { headless::State().windows[hwnd].icon = icon; }

void UpdateScrollBar(HWND hwnd, int bar, const ScrollBarView &view)
{
    if (bar == SB_HORZ || bar == SB_VERT) headless::State().windows[hwnd].bars[bar] = view;
}

void ClientPixelsChanged(HWND, const RECT &) {}  // read back on demand from the surface

cairo_surface_t *CreateClientSurface(int width, int height)
{
    return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
}

}  // namespace host

namespace headless {

HWND MainWindow()
{
    std::vector<HWND> windows = layer::TopLevelWindows();
    return windows.empty() ? nullptr : windows.front();
}

ScrollBarView ScrollBar(HWND hwnd, int bar)
{
    auto found = State().windows.find(hwnd);
    if (found == State().windows.end() || (bar != SB_HORZ && bar != SB_VERT)) return {};
    return found->second.bars[bar];
}

std::string Title(HWND hwnd)
{
    auto found = State().windows.find(hwnd);
    return found != State().windows.end() ? found->second.title : std::string();
}

bool WriteClientPng(HWND hwnd, const std::string &path)
{
    cairo_surface_t *surface = layer::ClientSurface(hwnd);
    if (surface == nullptr) return false;
    cairo_surface_flush(surface);
    return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace headless
