#include "app/scroll.h"

#include "app/screen_scale.h"
#include "app/viewer_state.h"

constexpr int kLineStep = 10;
constexpr int kPageStep = 60;  // a fixed page, whatever the window's size

int RequestedScrollStep(int request, int thumbPosition, int from, int dpi)
{
    switch (request) {
    case SB_LINEUP: return -ScaleForDpi(kLineStep, dpi);
    case SB_LINEDOWN: return ScaleForDpi(kLineStep, dpi);
    case SB_PAGEUP: return -ScaleForDpi(kPageStep, dpi);
    case SB_PAGEDOWN: return ScaleForDpi(kPageStep, dpi);
    case SB_THUMBPOSITION: return thumbPosition - from;
    default: return 0;  // thumb tracking moves nothing until release
    }
}

int LimitScrollStep(int step, int from, int top)
{
    int limited = step < top - from ? step : top - from;
    return -from > limited ? -from : limited;
}

int ShownScrollPosition(int position, int top)
{
    if (top <= 0)
        return 0;
    return position < top ? position : top;
}

void ScrollView(HWND hwnd, int bar, int request, int thumbPosition)
{
    bool horizontal = bar == SB_HORZ;
    int *position = horizontal ? &g_viewer.scrollX : &g_viewer.scrollY;
    int top = horizontal ? g_viewer.hScrollInfo.nMax : g_viewer.vScrollInfo.nMax;
    // Measured from the live position, not the one recorded at the last paint,
    // so that several requests before a paint add up and stay within range.
    int from = ShownScrollPosition(*position, top);
    int step = LimitScrollStep(RequestedScrollStep(request, thumbPosition, from, g_viewer.dpi),
                               from, top);
    if (step == 0)
        return;
    RECT view;
    GetClientRect(hwnd, &view);
    *position = from + step;
    view.bottom -= StripHeightForDpi(g_viewer.dpi);  // the status strip never moves
    ScrollWindow(hwnd, horizontal ? -step : 0, horizontal ? 0 : -step, &view, &view);
}
