// The state of open dialogs: EndDialog, GetDlgItem, the keys and commands a
// dialog takes from the host, and which window a dialog keeps disabled.
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace layer_internal {

DialogState *DialogOf(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    return window != nullptr && window->kind == WindowKind::Dialog ? window->dialog.get() : nullptr;
}

}  // namespace layer_internal

extern "C" BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogState *state = DialogOf(dialog);
    if (state == nullptr) return FALSE;
    state->ended = true;
    state->result = result;
    return TRUE;
}

extern "C" HWND GetDlgItem(HWND dialog, int id)
{
    if (FindWindowRecord(dialog) == nullptr) return nullptr;
    for (HWND child : ChildWindows(dialog)) {
        if (FindWindowRecord(child)->id == id) return child;
    }
    return nullptr;
}

namespace layer_internal {

HWND ModalDialogOf(HWND owner)
{
    for (HWND hwnd : LiveWindows()) {
        DialogState *state = DialogOf(hwnd);
        if (state != nullptr && !state->ended && state->owner == owner) return hwnd;
    }
    return nullptr;
}

// The dialog a key aimed at `target` belongs to: the dialog itself, the
// dialog of a control, or the open dialog of a disabled owner.
static HWND DialogForKey(HWND target)
{
    KovloWindow *window = FindWindowRecord(target);
    if (window == nullptr) return nullptr;
    if (window->kind == WindowKind::Dialog) return target;
    if (window->kind == WindowKind::Control) return DialogForKey(window->parent);
    return ModalDialogOf(target);
}

bool HandleDialogKey(HWND target, UINT virtualKey)
{
    HWND dialog = DialogForKey(target);
    if (dialog == nullptr) return false;
    if (virtualKey == VK_RETURN) layer::OnDialogCommand(dialog, IDOK);
    if (virtualKey == VK_ESCAPE) layer::OnDialogCommand(dialog, IDCANCEL);
    return true;
}

}  // namespace layer_internal

namespace layer {

bool IsDisabledByDialog(HWND hwnd) { return ModalDialogOf(hwnd) != nullptr; }

// A button press arrives through the queue, like the click that makes it, so
// the dialog's loop sees the dialog end as soon as the command is handled.
void OnDialogCommand(HWND dialog, int commandId)
{
    DialogState *state = DialogOf(dialog);
    if (state == nullptr || state->ended) return;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(commandId, 0),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, commandId)));
}

}  // namespace layer
