// The two standard scroll bars of a window: SetScrollInfo, ShowScrollBar and
// the requests a user makes on them (WM_HSCROLL, WM_VSCROLL).
#include <algorithm>

#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

// The highest position the thumb reaches: a page covers `page` positions.
int HighestThumbPosition(const ScrollBarState &bar)
{
    return bar.maximum - std::max(static_cast<int>(bar.page) - 1, 0);
}

bool HasRoom(const ScrollBarState &bar) { return HighestThumbPosition(bar) > bar.minimum; }

void Normalize(ScrollBarState *bar)
{
    int span = bar->maximum - bar->minimum + 1;
    if (span > 0 && bar->page > static_cast<UINT>(span)) bar->page = span;
    bar->position = std::min(bar->position, HighestThumbPosition(*bar));
    bar->position = std::max(bar->position, bar->minimum);
}

ScrollBarView ViewOf(const ScrollBarState &bar)
{
    ScrollBarView view;
    view.visible = bar.visible;
    view.enabled = bar.visible && !bar.disabledNoScroll;
    view.minimum = bar.minimum;
    view.maximum = bar.maximum;
    view.page = static_cast<int>(bar.page);
    view.position = bar.position;
    return view;
}

// A change of which bars are visible changes the client area at the same
// outer size; the window hears of it through WM_SIZE before this returns.
void RefitClient(HWND hwnd, KovloWindow *window)
{
    for (int bar : {SB_HORZ, SB_VERT}) host::UpdateScrollBar(hwnd, bar, ViewOf(window->bars[bar]));
    WPARAM kind = window->showState == SW_SHOWMAXIMIZED ? SIZE_MAXIMIZED : SIZE_RESTORED;
    ApplyOuterRect(hwnd, window->outer, true, kind);
}

bool IsStandardBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

void ApplyInfo(ScrollBarState *bar, const SCROLLINFO &info)
{
    if (info.fMask & SIF_RANGE) {
        bar->minimum = info.nMin;
        bar->maximum = info.nMax;
    }
    if (info.fMask & SIF_PAGE) bar->page = info.nPage;
    if (info.fMask & SIF_POS) bar->position = info.nPos;
    Normalize(bar);
}

}  // namespace

extern "C" int SetScrollInfo(HWND hwnd, int barKind, LPCSCROLLINFO info, BOOL)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || info == nullptr || !IsStandardBar(barKind)) return 0;
    ScrollBarState &bar = window->bars[barKind];
    bool wasVisible = bar.visible;
    ApplyInfo(&bar, *info);
    // A bar with room is shown; one without is greyed when asked, else removed.
    bool keep = HasRoom(bar) || (info->fMask & SIF_DISABLENOSCROLL);
    bar.visible = keep;
    bar.disabledNoScroll = !HasRoom(bar);
    if (bar.visible != wasVisible) {
        RefitClient(hwnd, window);
    } else {
        host::UpdateScrollBar(hwnd, barKind, ViewOf(bar));
    }
    return bar.position;
}

extern "C" BOOL ShowScrollBar(HWND hwnd, int barKind, BOOL show)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel) return FALSE;
    if (!IsStandardBar(barKind) && barKind != SB_BOTH) return FALSE;
    bool changed = false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (barKind != SB_BOTH && barKind != bar) continue;
        changed = changed || window->bars[bar].visible != (show != FALSE);
        window->bars[bar].visible = show != FALSE;
        window->bars[bar].disabledNoScroll = !HasRoom(window->bars[bar]);
    }
    if (changed) RefitClient(hwnd, window);
    return TRUE;
}

namespace layer {

// A user can neither reach a hidden or greyed bar, nor the bars of a window
// that a modal dialog disables, nor drag a thumb past its end, so such
// requests never become messages.
void OnScrollRequest(HWND hwnd, int barKind, int requestCode, int thumbPosition)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || !IsStandardBar(barKind) || IsDisabledByDialog(hwnd)) return;
    const ScrollBarState &bar = window->bars[barKind];
    if (!bar.visible || bar.disabledNoScroll) return;
    int position = 0;
    if (requestCode == SB_THUMBPOSITION || requestCode == SB_THUMBTRACK)
        position = std::clamp(thumbPosition, bar.minimum, HighestThumbPosition(bar));
    UINT message = barKind == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(hwnd, message, MAKEWPARAM(requestCode, position), 0);
}

}  // namespace layer
