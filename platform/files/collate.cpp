// lstrcmpiA: the user's locale collation with letter case ignored, by ICU.
//
// The locale is ICU's default (from LC_ALL, LC_COLLATE or LANG). The C and
// POSIX locales map to ICU's "en_US_POSIX", whose collation is the byte order
// with capitals first; the root collation stands in for them, so that a.jpg,
// B.jpg and C.JPG sort as any user expects. Secondary strength ignores case
// but keeps accents; digits compare one by one (no numeric ordering), so
// 10.jpg sorts before 9.jpg. Names are code page 932 and widened to UTF-16:
// ASCII directly (the common case, and fast), the rest through iconv.
#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <cstring>
#include <string>

#include "platform/text/cp932.h"
#include "platform/win32.h"

namespace {

UCollator *OpenCollator()
{
    const char *locale = uloc_getDefault();
    if (std::strncmp(locale, "en_US_POSIX", 11) == 0 || std::strcmp(locale, "c") == 0) locale = "";
    UErrorCode status = U_ZERO_ERROR;
    UCollator *collator = ucol_open(locale, &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator = ucol_open("", &status);
    }
    if (U_FAILURE(status)) return nullptr;
    ucol_setStrength(collator, UCOL_SECONDARY);
    return collator;
}

const UCollator *Collator()
{
    static UCollator *collator = OpenCollator();  // opened once, thread-safe since C++11
    return collator;
}

// The text as UTF-16.
std::u16string Widen(const char *text)
{
    std::u16string out;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    for (; *p && *p < 0x80; ++p) out.push_back(*p);
    if (!*p) return out;
    std::string utf8 = Cp932ToUtf8(reinterpret_cast<const char *>(p));
    std::u16string rest(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar *>(rest.data()), static_cast<int32_t>(rest.size()),
                  &length, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    rest.resize(U_SUCCESS(status) ? length : 0);
    return out + rest;
}

int ByteOrder(const char *a, const char *b)
{
    int order = std::strcmp(a, b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    if (!a || !b) return a == b ? 0 : a ? 1 : -1;
    const UCollator *collator = Collator();
    if (!collator) return ByteOrder(a, b);
    std::u16string wideA = Widen(a), wideB = Widen(b);
    UCollationResult result =
        ucol_strcoll(collator, reinterpret_cast<const UChar *>(wideA.data()),
                     static_cast<int32_t>(wideA.size()),
                     reinterpret_cast<const UChar *>(wideB.data()),
                     static_cast<int32_t>(wideB.size()));
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}
