#include "app/dialogs.h"

#include "app/viewer_state.h"
#include "app/viewer_texts.h"
#include "resources/dialog_ids.h"

constexpr int kEntryLimit = 3;  // three digits hold at most 999

static void ShowProgramIcon(HWND dialog)
{
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_viewer.appIcon));
}

// Limits the entry to three characters and puts the caret in it.
static void PrepareEntry(HWND dialog, int entryId)
{
    HWND entry = GetDlgItem(dialog, entryId);
    SendMessageA(entry, EM_LIMITTEXT, kEntryLimit, 0);
    SetFocus(entry);
}

// OK stores the entry through `store`, Cancel leaves the preset; both close.
static INT_PTR FinishDialog(HWND dialog, int command, int entryId, UINT *store)
{
    if (command == IDOK) {
        *store = GetDlgItemInt(dialog, entryId, NULL, FALSE);
        return EndDialog(dialog, 1);
    }
    if (command == IDCANCEL)
        return EndDialog(dialog, 0);
    return FALSE;
}

static INT_PTR StartIntervalDialog(HWND dialog)
{
    ShowProgramIcon(dialog);
    g_viewer.slideshowSeconds = 0;
    PrepareEntry(dialog, kIntervalEntryId);
    return FALSE;  // the focus is placed already
}

// "12枚目中" beside the entry: how many images there are to jump to.
static void ShowImageCount(HWND dialog)
{
    char label[64];
    wsprintfA(label, kJumpCountFormat, g_viewer.fileCount);
    SetWindowTextA(GetDlgItem(dialog, kJumpCountLabelId), label);
}

static INT_PTR StartJumpDialog(HWND dialog)
{
    ShowImageCount(dialog);
    ShowProgramIcon(dialog);
    g_viewer.jumpTarget = 1;
    PrepareEntry(dialog, kJumpEntryId);
    return FALSE;  // the focus is placed already
}

INT_PTR CALLBACK IntervalDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return StartIntervalDialog(dialog);
    case WM_COMMAND:
        return FinishDialog(dialog, LOWORD(wParam), kIntervalEntryId,
                            &g_viewer.slideshowSeconds);
    default: return FALSE;
    }
}

INT_PTR CALLBACK JumpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return StartJumpDialog(dialog);
    case WM_COMMAND:
        return FinishDialog(dialog, LOWORD(wParam), kJumpEntryId, &g_viewer.jumpTarget);
    default: return FALSE;
    }
}
