// lstrcmpiA: the user's locale collation with letter case ignored, by ICU.
//
// The locale is ICU's default (from LC_ALL, LC_COLLATE or LANG). The C and
// POSIX locales map to ICU's "en_US_POSIX", whose collation is the byte order
// with capitals first; the root collation stands in for them, so that a.jpg,
// B.jpg and C.JPG sort as any user expects. Secondary strength ignores case
// but keeps accents; digits compare one by one (no numeric ordering), so
// 10.jpg sorts before 9.jpg. Names are code page 932, handed to ICU as UTF-8:
// ASCII as it is (the common case, and fast), the rest through iconv.
#include <unicode/ucol.h>
#include <unicode/uloc.h>

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

// The text as UTF-8: ASCII is already that, the rest goes through iconv.
const char *AsUtf8(const char *text, std::string *converted)
{
    if (IsAscii(text)) return text;
    *converted = Cp932ToUtf8(text);
    return converted->c_str();
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
    std::string convertedA, convertedB;
    const char *utf8A = AsUtf8(a, &convertedA), *utf8B = AsUtf8(b, &convertedB);
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result = ucol_strcollUTF8(collator, utf8A, -1, utf8B, -1, &status);
    if (U_FAILURE(status)) return ByteOrder(a, b);
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}
