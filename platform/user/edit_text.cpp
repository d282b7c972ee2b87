// Text rules of the edit controls: counting characters of code page 932 text,
// reading an entry as a number (GetDlgItemInt).
#include <climits>

#include "platform/text/cp932.h"
#include "platform/user/window_record.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

namespace layer_internal {

std::string LimitToCharacters(const std::string &cp932, int maxCharacters)
{
    size_t end = 0;
    for (int count = 0; end < cp932.size() && count < maxCharacters; ++count) {
        bool pair = IsLeadByteOf932(static_cast<unsigned char>(cp932[end])) && end + 1 < cp932.size();
        end += pair ? 2 : 1;
    }
    return cp932.substr(0, end);
}

// Characters without a code page 932 form become '?', as Windows' ANSI
// conversion does, so that the entry keeps its length in characters.
std::string ReplaceUnmappable(const std::string &utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        std::string converted;
        bool ok = Utf8ToCp932(utf8.substr(i, length), &converted);
        out += ok ? converted : "?";
        i += length;
    }
    return out;
}

// Leading blanks skipped, an optional minus sign when signed, then decimal
// digits up to the first other character. No digit, or a number out of range,
// reads as 0 and not translated.
UINT ParseDialogInt(const std::string &text, BOOL *translated, BOOL isSigned)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = isSigned && i < text.size() && text[i] == '-';
    if (negative) ++i;
    long long value = 0;
    size_t firstDigit = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > UINT_MAX) break;
    }
    long long limit = isSigned ? (negative ? -(long long)INT_MIN : INT_MAX) : UINT_MAX;
    bool ok = i > firstDigit && value <= limit;
    if (translated != nullptr) *translated = ok ? TRUE : FALSE;
    if (!ok) return 0;
    return static_cast<UINT>(negative ? -value : value);
}

}  // namespace layer_internal

extern "C" UINT GetDlgItemInt(HWND dialog, int id, BOOL *translated, BOOL isSigned)
{
    HWND control = GetDlgItem(dialog, id);
    KovloWindow *window = layer_internal::FindWindowRecord(control);
    if (window == nullptr) {
        if (translated != nullptr) *translated = FALSE;
        return 0;
    }
    return layer_internal::ParseDialogInt(window->text, translated, isSigned);
}
