// Input from the host: keys become queued WM_KEYDOWN messages (or dialog
// commands while a modal dialog has the keyboard); the close box sends WM_CLOSE.
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace layer {

void OnKeyDown(HWND hwnd, UINT virtualKey)
{
    if (FindWindowRecord(hwnd) == nullptr) return;
    if (HandleDialogKey(hwnd, virtualKey)) return;
    PostMessageA(hwnd, WM_KEYDOWN, virtualKey, 1);  // repeat count 1
}

// The close box of a window that owns an open dialog is disabled with it.
void OnCloseRequested(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || IsDisabledByDialog(hwnd)) return;
    if (window->kind == WindowKind::TopLevel) SendMessageA(hwnd, WM_CLOSE, 0, 0);
    // A dialog's close box is a command; it goes through the queue for the
    // dialog's loop to see (see OnDialogCommand).
    if (window->kind == WindowKind::Dialog) PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

}  // namespace layer
