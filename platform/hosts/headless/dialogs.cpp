// Headless host: modal dialogs and the message box.
// Implements: host::CreateDialogWindow, DestroyDialogWindow, SetControlText,
//   SetEditLimit, FocusControl, ShowMessageBox (recorded, handed to the
//   handler, answered with OK at once); typing into the focused entry.
// Does not implement: laying the controls out (there is nothing to see).
#include <algorithm>

#include "platform/hosts/headless/headless_state.h"
#include "platform/text/cp932.h"
#include "platform/user/observe.h"

namespace host {

void CreateDialogWindow(HWND dialog, HWND, const DialogTemplate &)
{
    headless::State().dialogs.push_back(dialog);
}

void DestroyDialogWindow(HWND dialog)
{
    auto &dialogs = headless::State().dialogs;
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    headless::State().windows.erase(dialog);  // its icon
}

// The layer keeps every control's text; ControlText reads it there.
void SetControlText(HWND, const std::string &) {}

void SetEditLimit(HWND edit, int maxCharacters) { headless::State().editLimits[edit] = maxCharacters; }

void FocusControl(HWND) {}  // the layer remembers the focus

void ShowMessageBox(HWND owner, const std::string &textUtf8, const std::string &captionUtf8,
                    UINT type)
{
    headless::MessageBoxRecord record{owner, captionUtf8, textUtf8, type};
    headless::State().messageBoxes.push_back(record);
    if (headless::State().onMessageBox) headless::State().onMessageBox(record);
}

}  // namespace host

namespace headless {
namespace {

// The entry that typing reaches: the focused control of the dialog.
HWND TypingTarget()
{
    HWND focus = layer::FocusedWindow();
    return focus != nullptr && OpenDialog() != nullptr ? focus : nullptr;
}

}  // namespace

HWND OpenDialog()
{
    std::vector<HWND> dialogs = layer::OpenDialogs();
    return dialogs.empty() ? nullptr : dialogs.back();
}

bool TypeIntoDialog(const std::string &utf8)
{
    HWND edit = TypingTarget();
    if (edit == nullptr) return false;
    for (size_t i = 0; i < utf8.size();) {
        size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        char current[1024];
        GetWindowTextA(edit, current, sizeof current);
        layer::OnEditTextChanged(edit, Cp932ToUtf8(current) + utf8.substr(i, length));
        i += length;
    }
    return true;
}

std::string ControlText(HWND control)
{
    char text[1024];
    GetWindowTextA(control, text, sizeof text);
    return Cp932ToUtf8(text);
}

int EditLimit(HWND edit)
{
    auto found = State().editLimits.find(edit);
    return found != State().editLimits.end() ? found->second : -1;
}

const std::vector<MessageBoxRecord> &MessageBoxes() { return State().messageBoxes; }

void SetMessageBoxHandler(std::function<void(const MessageBoxRecord &)> handler)
{
    State().onMessageBox = std::move(handler);
}

}  // namespace headless
