// Input from the host: keys become WM_KEYDOWN and WM_KEYUP messages in the
// queue's input, taken after posted messages (or dialog commands while a
// modal dialog has the keyboard), a held key's repeats raise the count of its
// key-down that is still waiting; the close box sends WM_CLOSE.
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace layer {

void OnKeyDown(HWND hwnd, UINT virtualKey, bool autoRepeat)
{
    if (FindWindowRecord(hwnd) == nullptr) return;
    if (HandleDialogKey(hwnd, virtualKey)) return;
    if (autoRepeat && FoldKeyRepeat(hwnd, virtualKey)) return;
    PostInput(hwnd, WM_KEYDOWN, virtualKey, KeyDownLParam(virtualKey, autoRepeat));
}

// A dialog's keys are the dialog's: their releases go nowhere else.
void OnKeyUp(HWND hwnd, UINT virtualKey)
{
    if (FindWindowRecord(hwnd) == nullptr || DialogForKey(hwnd) != nullptr) return;
    PostInput(hwnd, WM_KEYUP, virtualKey, KeyUpLParam(virtualKey));
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
