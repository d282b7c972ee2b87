// The state of open dialogs: EndDialog, GetDlgItem, the keys and commands a
// dialog takes from the host, and which window a dialog keeps disabled.
#include <strings.h>

#include <algorithm>

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
HWND DialogForKey(HWND target)
{
    KovloWindow *window = FindWindowRecord(target);
    if (window == nullptr) return nullptr;
    if (window->kind == WindowKind::Dialog) return target;
    if (window->kind == WindowKind::Control) return DialogForKey(window->parent);
    return ModalDialogOf(target);
}

}  // namespace layer_internal

namespace {

bool IsPushButton(const KovloWindow &window)
{
    DWORD type = window.style & 0x0F;
    return strcasecmp(window.className.c_str(), "BUTTON") == 0 &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// What Enter presses, as Windows' dialog manager decides: the push button that
// has the focus, else the default push button, else IDOK.
int ReturnCommand(HWND dialog)
{
    HWND focus = layer::FocusedWindow();
    KovloWindow *focused = FindWindowRecord(focus);
    if (focused != nullptr && focused->parent == dialog && IsPushButton(*focused)) return focused->id;
    for (HWND child : ChildWindows(dialog)) {
        const KovloWindow &control = *FindWindowRecord(child);
        if (IsPushButton(control) && (control.style & 0x0F) == BS_DEFPUSHBUTTON) return control.id;
    }
    return IDOK;
}

// Tab moves the focus to the next control with WS_TABSTOP in creation (that
// is, template) order, wrapping around.
void FocusNextTabStop(HWND dialog)
{
    std::vector<HWND> stops;
    for (HWND child : ChildWindows(dialog)) {
        if (FindWindowRecord(child)->style & WS_TABSTOP) stops.push_back(child);
    }
    if (stops.empty()) return;
    auto current = std::find(stops.begin(), stops.end(), layer::FocusedWindow());
    SetFocus(current == stops.end() || current + 1 == stops.end() ? stops.front() : *(current + 1));
}

}  // namespace

namespace layer_internal {

// The one key path of a dialog on every host: the host hands Enter, Esc and
// (headless) Tab to the layer, which decides what they do.
bool HandleDialogKey(HWND target, UINT virtualKey)
{
    HWND dialog = DialogForKey(target);
    if (dialog == nullptr) return false;
    if (virtualKey == VK_RETURN) layer::OnDialogCommand(dialog, ReturnCommand(dialog));
    if (virtualKey == VK_ESCAPE) layer::OnDialogCommand(dialog, IDCANCEL);
    if (virtualKey == VK_TAB) FocusNextTabStop(dialog);
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
