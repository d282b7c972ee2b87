// DialogBoxParamA: a modal dialog built from the program's template, with its
// nested message loop, and the dialog's default handling (WM_SETICON, the
// close box as IDCANCEL). The only part of the layer that needs the templates.
#include "platform/user/icon_image.h"
#include "platform/user/window_class.h"
#include "platform/user/window_record.h"
#include "resources/dialog_templates.h"

using namespace layer_internal;

namespace {

LRESULT DialogDefault(HWND hwnd, DialogState *dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETICON: {
        HICON &slot = wParam == ICON_SMALL ? dialog->smallIcon : dialog->bigIcon;
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        // The title bar shows the small icon, else the big one.
        const IconImage *image = IconImageOf(dialog->smallIcon ? dialog->smallIcon : dialog->bigIcon);
        host::SetIcon(hwnd, image ? *image : IconImage{});
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_CLOSE:
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    default: return 0;
    }
}

// The window procedure of every dialog: the application's dialog procedure
// first, the default handling for what it leaves.
LRESULT CALLBACK DialogWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogState *dialog = DialogOf(hwnd);
    if (dialog == nullptr) return 0;
    INT_PTR handled = dialog->procedure(hwnd, message, wParam, lParam);
    if (handled != 0) return handled;
    return DialogDefault(hwnd, dialog, message, wParam, lParam);
}

HWND CreateDialogRecord(const DialogTemplate &dialogTemplate, HWND owner, DLGPROC procedure)
{
    auto window = std::make_unique<KovloWindow>();
    window->kind = WindowKind::Dialog;
    window->procedure = DialogWindowProcedure;
    window->text = dialogTemplate.caption != nullptr ? dialogTemplate.caption : "";
    window->style = static_cast<DWORD>(dialogTemplate.style);
    window->invalid = cairo_region_create();
    window->created = true;
    window->dialog = std::make_unique<DialogState>();
    window->dialog->procedure = procedure;
    window->dialog->dialogTemplate = &dialogTemplate;
    window->dialog->owner = owner;
    return AdoptWindow(std::move(window));
}

// Controls in template order, which is also the tab order; returns the first
// one that takes the focus by tabbing.
HWND CreateControls(HWND dialog, const DialogTemplate &dialogTemplate)
{
    HWND firstTabStop = nullptr;
    for (int i = 0; i < dialogTemplate.controlCount; ++i) {
        const DialogControlTemplate &control = dialogTemplate.controls[i];
        DWORD style = static_cast<DWORD>(control.style) | WS_CHILD;
        HWND hwnd = CreateWindowExA(0, control.className, control.text, style, control.x,
                                    control.y, control.width, control.height, dialog,
                                    reinterpret_cast<HMENU>(static_cast<intptr_t>(control.id)),
                                    nullptr, nullptr);
        if (firstTabStop == nullptr && (style & WS_TABSTOP)) firstTabStop = hwnd;
    }
    return firstTabStop;
}

// Runs the dialog's own loop until EndDialog. The loop serves every window of
// the thread, so the owner keeps receiving its paint, timer and posted
// messages. A quit message ends the dialog and is posted again for the outer loop.
void RunModalLoop(HWND dialog)
{
    for (;;) {
        DialogState *state = DialogOf(dialog);
        if (state == nullptr || state->ended) return;
        MSG msg;
        NextMessage(&msg, nullptr, 0, 0);
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            if (DialogOf(dialog) != nullptr) EndDialog(dialog, 0);
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

extern "C" INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner,
                                   DLGPROC dialogProc, LPARAM initParam)
{
    if (templateName == nullptr || IS_INTRESOURCE(templateName) || dialogProc == nullptr) return -1;
    if (owner != nullptr && FindWindowRecord(owner) == nullptr) return 0;
    const DialogTemplate *dialogTemplate = FindDialogTemplate(templateName);
    if (dialogTemplate == nullptr) return -1;
    HWND dialog = CreateDialogRecord(*dialogTemplate, owner, dialogProc);
    HWND firstTabStop = CreateControls(dialog, *dialogTemplate);
    host::CreateDialogWindow(dialog, owner, *dialogTemplate);
    FindWindowRecord(dialog)->visible = true;
    LRESULT focusDefault =
        SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), initParam);
    if (focusDefault != 0 && firstTabStop != nullptr) SetFocus(firstTabStop);
    RunModalLoop(dialog);
    DialogState *state = DialogOf(dialog);
    INT_PTR result = state != nullptr ? state->result : 0;
    if (state != nullptr) {
        host::DestroyDialogWindow(dialog);
        DestroyWindow(dialog);
    }
    return result;
}

