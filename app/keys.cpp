#include "app/keys.h"

#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/reload.h"
#include "app/viewer_state.h"

static void ShowNext(HWND hwnd)
{
    g_viewer.current = NextIndex(g_viewer.current, g_viewer.fileCount);
    g_viewer.rotation = 0;
    RequestReload(hwnd);
}

static void ShowPrevious(HWND hwnd)
{
    g_viewer.current = PreviousIndex(g_viewer.current, g_viewer.fileCount);
    g_viewer.rotation = 0;
    RequestReload(hwnd);
}

// Positive quarter turns are counter-clockwise. A turned picture starts at
// its top-left corner.
static void TurnPicture(HWND hwnd, int quarterTurns)
{
    g_viewer.rotation = TurnRotation(g_viewer.rotation, quarterTurns);
    g_viewer.scrollX = 0;
    g_viewer.scrollY = 0;
    RequestReload(hwnd);
}

// Showing or hiding the bars may send a size message at once; that reload
// still sees the old mode, the posted one decodes for the new mode.
static void ToggleFitMode(HWND hwnd)
{
    ShowScrollBar(hwnd, SB_BOTH, g_viewer.fitMode == 1 ? TRUE : FALSE);
    g_viewer.fitMode = 1 - g_viewer.fitMode;
    RequestReload(hwnd);
}

// The dialog leaves its number in jumpTarget (1 when cancelled).
static void JumpToChosenImage(HWND hwnd)
{
    DialogBoxParamA(g_viewer.instance, "MYEXT2", hwnd, JumpDlgProc, 0);
    g_viewer.current = JumpIndex(g_viewer.jumpTarget, g_viewer.fileCount);
    RequestReload(hwnd);
}

// Stops a running slideshow, or asks for an interval and starts one; an
// interval of 0 (cancelled or not a number) starts nothing.
static void ToggleSlideshow(HWND hwnd)
{
    if (g_viewer.slideshowOn == 1) {
        KillTimer(hwnd, g_viewer.timerId);
    } else {
        DialogBoxParamA(g_viewer.instance, "MYEXT", hwnd, IntervalDlgProc, 0);
        if (g_viewer.slideshowSeconds == 0)
            return;
        SetTimer(hwnd, g_viewer.timerId, g_viewer.slideshowSeconds * 1000, NULL);
    }
    g_viewer.slideshowOn = (g_viewer.slideshowOn + 1) % 2;
    RequestReload(hwnd);
}

void HandleKeyDown(HWND hwnd, WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_BACK: ShowPrevious(hwnd); break;
    case VK_SHIFT: ToggleFitMode(hwnd); break;
    case VK_ESCAPE: PostQuitMessage(0); break;
    case VK_SPACE: ShowNext(hwnd); break;
    case VK_LEFT: TurnPicture(hwnd, 1); break;
    case VK_RIGHT: TurnPicture(hwnd, -1); break;
    case 'J': JumpToChosenImage(hwnd); break;
    case 'R': RequestReload(hwnd); break;
    case 'T': ToggleSlideshow(hwnd); break;
    default: break;
    }
}

void StepSlideshow(HWND hwnd)
{
    ShowNext(hwnd);
}
