// MessageBoxA: the host shows a modal box with an OK button.
#include "platform/text/cp932.h"
#include "platform/user/window_record.h"

extern "C" int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    std::string textUtf8 = Cp932ToUtf8(text != nullptr ? text : "");
    // Windows' caption for a box without one.
    std::string captionUtf8 = Cp932ToUtf8(caption != nullptr ? caption : "Error");
    if (layer_internal::FindWindowRecord(owner) == nullptr) owner = nullptr;
    host::ShowMessageBox(owner, textUtf8, captionUtf8, type);
    return IDOK;
}
