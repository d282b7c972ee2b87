// The dialog controls (STATIC, EDIT, BUTTON): their window procedure, window
// texts, the focus and the edit control's character limit.
#include <strings.h>

#include <algorithm>

#include "platform/text/cp932.h"
#include "platform/user/window_class.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

HWND g_focus = nullptr;

bool IsEdit(const KovloWindow &window) { return strcasecmp(window.className.c_str(), "EDIT") == 0; }

// EM_LIMITTEXT: 0 asks for the largest limit; text already there is kept.
LRESULT LimitText(HWND hwnd, KovloWindow *window, WPARAM maxCharacters)
{
    window->editLimit = maxCharacters == 0 ? 0x7FFFFFFE : static_cast<int>(maxCharacters);
    host::SetEditLimit(hwnd, window->editLimit);
    return 0;
}

}  // namespace

namespace layer_internal {

LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return 0;
    if (message == EM_LIMITTEXT && IsEdit(*window)) return LimitText(hwnd, window, wParam);
    return 0;
}

}  // namespace layer_internal

extern "C" BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind == WindowKind::Desktop) return FALSE;
    window->text = text != nullptr ? text : "";
    // A dialog's caption comes from its template; the host shows it as created.
    if (window->kind == WindowKind::TopLevel) host::SetTitle(hwnd, Cp932ToUtf8(window->text));
    if (window->kind == WindowKind::Control) host::SetControlText(hwnd, Cp932ToUtf8(window->text));
    return TRUE;
}

extern "C" int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (text == nullptr || maxCount <= 0) return 0;
    text[0] = '\0';
    if (window == nullptr) return 0;
    size_t length = std::min(window->text.size(), static_cast<size_t>(maxCount - 1));
    window->text.copy(text, length);
    text[length] = '\0';
    return static_cast<int>(length);
}

extern "C" HWND SetFocus(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (hwnd != nullptr && window == nullptr) return nullptr;
    HWND previous = FindWindowRecord(g_focus) != nullptr ? g_focus : nullptr;
    g_focus = hwnd;
    if (window != nullptr && window->kind == WindowKind::Control) host::FocusControl(hwnd);
    return previous;
}

namespace layer {

// The host's entry changed (typing, pasting): the layer keeps at most the
// edit's limit of characters and tells the host when it had to cut.
void OnEditTextChanged(HWND edit, const std::string &utf8)
{
    KovloWindow *window = FindWindowRecord(edit);
    if (window == nullptr || !IsEdit(*window)) return;
    std::string cp932;
    if (!Utf8ToCp932(utf8, &cp932)) cp932 = ReplaceUnmappable(utf8);
    window->text = LimitToCharacters(cp932, window->editLimit);
    if (window->text != cp932) host::SetControlText(edit, Cp932ToUtf8(window->text));
}

HWND FocusedWindow() { return FindWindowRecord(g_focus) != nullptr ? g_focus : nullptr; }

// The host moved the focus itself (a click, its own Tab): the layer follows,
// so that Enter presses the button the user sees focused.
void OnFocusChanged(HWND control)
{
    KovloWindow *window = FindWindowRecord(control);
    if (window != nullptr && window->kind == WindowKind::Control) g_focus = control;
}

}  // namespace layer
