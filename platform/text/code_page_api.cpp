// IsDBCSLeadByte, CharNextA, CharPrevA, MultiByteToWideChar and
// WideCharToMultiByte for code page 932, answering as Windows does.
// Implements: Windows' handling of what is no character: a lead byte with a
//   trail byte outside the table (or at the end of the text) reads as U+30FB,
//   the code page's default, a lead byte before a 0 as U+30FB and the 0; a
//   character without a code page 932 form writes as '?' (or the default
//   given), unless Windows writes a near one instead (best_fit_932.h).
// Does not implement: the flags (MB_ERR_INVALID_CHARS, WC_NO_BEST_FIT_CHARS,
//   ...) and code pages other than 932; surrogate pairs are two characters
//   without a form.
#include <cstring>
#include <string>

#include "platform/text/best_fit_932.h"
#include "platform/text/cp932.h"
#include "platform/win32.h"

namespace {

const WCHAR kDefaultUnit = 0x30FB;  // KATAKANA MIDDLE DOT, what Windows reads for a broken character

// The UTF-16 unit of the one character at `text` (one or two bytes, `left` of
// them there), and how many bytes it took.
WCHAR ReadCharacter(const unsigned char *text, size_t left, size_t *taken)
{
    if (IsLeadByteOf932(text[0])) {
        if (left < 2 || text[1] == 0) {
            *taken = 1;
            return kDefaultUnit;
        }
        *taken = 2;
        std::u16string unit = Cp932ToUtf16(std::string_view(reinterpret_cast<const char *>(text), 2));
        return unit.size() == 1 && unit[0] != 0xFFFD ? unit[0] : kDefaultUnit;
    }
    *taken = 1;
    // The bytes that Windows' table gives private-use characters.
    if (text[0] == 0xA0) return 0xF8F0;
    if (text[0] >= 0xFD) return WCHAR(0xF8F1 + (text[0] - 0xFD));
    if (text[0] < 0x81) return text[0];
    std::u16string unit = Cp932ToUtf16(std::string_view(reinterpret_cast<const char *>(text), 1));
    return unit.size() == 1 && unit[0] != 0xFFFD ? unit[0] : kDefaultUnit;
}

// The code page 932 form of one unit: true with its bytes, or false.
bool WriteCharacter(WCHAR unit, std::string *bytes)
{
    if (unit <= 0x80) {
        *bytes = std::string(1, char(unit));
        return true;
    }
    if (unit >= 0xD800 && unit <= 0xDFFF) return false;
    if (unit == 0xF8F0) return *bytes = "\xA0", true;
    if (unit >= 0xF8F1 && unit <= 0xF8F3) return *bytes = std::string(1, char(0xFD + unit - 0xF8F1)), true;
    if (const char *fitted = BestFit932(unit)) return *bytes = fitted, true;
    char utf8[4];
    size_t length = unit < 0x800 ? 2 : 3;
    if (length == 2) {
        utf8[0] = char(0xC0 | (unit >> 6));
        utf8[1] = char(0x80 | (unit & 0x3F));
    } else {
        utf8[0] = char(0xE0 | (unit >> 12));
        utf8[1] = char(0x80 | ((unit >> 6) & 0x3F));
        utf8[2] = char(0x80 | (unit & 0x3F));
    }
    // Only a form that reads back as the same character: the converter also
    // writes a few characters (U+2014, U+2212, U+301C, ...) in the forms of
    // others, which Windows does not.
    if (!Utf8ToCp932(std::string_view(utf8, length), bytes) || bytes->empty()) return false;
    std::u16string back = Cp932ToUtf16(*bytes);
    return back.size() == 1 && back[0] == unit;
}

// Both conversions' answer: the length needed when `destLength` is 0, else
// the length written, or 0 when it does not fit.
template <typename Unit, typename Text>
int Deliver(const Text &converted, Unit *dest, int destLength)
{
    if (destLength == 0) return int(converted.size());
    if (dest == nullptr || converted.size() > size_t(destLength)) return 0;
    std::memcpy(dest, converted.data(), converted.size() * sizeof(Unit));
    return int(converted.size());
}

}  // namespace

extern "C" BOOL IsDBCSLeadByte(BYTE testChar) { return IsLeadByteOf932(testChar) ? TRUE : FALSE; }

extern "C" LPSTR CharNextA(LPCSTR current)
{
    if (current == nullptr || *current == 0) return const_cast<LPSTR>(current);
    bool pair = IsLeadByteOf932(static_cast<unsigned char>(current[0])) && current[1] != 0;
    return const_cast<LPSTR>(current + (pair ? 2 : 1));
}

// Steps from `start` character by character to the last one that begins
// before `current`; a text ending at or before `current` stops at its end.
extern "C" LPSTR CharPrevA(LPCSTR start, LPCSTR current)
{
    while (*start != 0 && start < current) {
        LPCSTR next = CharNextA(start);
        if (next >= current) break;
        start = next;
    }
    return const_cast<LPSTR>(start);
}

extern "C" int MultiByteToWideChar(UINT, DWORD, LPCSTR source, int sourceLength, LPWSTR dest,
                                   int destLength)
{
    if (source == nullptr || sourceLength == 0 || destLength < 0) return 0;
    size_t length = sourceLength < 0 ? std::strlen(source) + 1 : size_t(sourceLength);
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(source);
    std::u16string units;
    for (size_t i = 0, taken = 0; i < length; i += taken) units += ReadCharacter(bytes + i, length - i, &taken);
    return Deliver(units, dest, destLength);
}

extern "C" int WideCharToMultiByte(UINT, DWORD, LPCWSTR source, int sourceLength, LPSTR dest,
                                   int destLength, LPCSTR defaultChar, BOOL *usedDefaultChar)
{
    if (usedDefaultChar) *usedDefaultChar = FALSE;
    if (source == nullptr || sourceLength == 0 || destLength < 0) return 0;
    size_t length = 0;
    if (sourceLength < 0) {
        while (source[length] != 0) ++length;
        ++length;
    } else {
        length = size_t(sourceLength);
    }
    std::string out, bytes;
    for (size_t i = 0; i < length; ++i) {
        if (WriteCharacter(source[i], &bytes)) {
            out += bytes;
            continue;
        }
        out += defaultChar ? std::string(defaultChar, IsLeadByteOf932(*defaultChar) ? 2 : 1) : "?";
        if (usedDefaultChar) *usedDefaultChar = TRUE;
    }
    return Deliver(out, dest, destLength);
}
