// lstrcmpiA, CompareStringA and LCMapStringA(LCMAP_SORTKEY): Windows' Japanese
// collation over the sort keys of sort_key.h, so the three always agree.
//
// Implemented: the user's, the system's and the Japanese locale (all three
// are Japanese here); the flags NORM_IGNORECASE and, for LCMapStringA,
// LCMAP_SORTKEY. Not implemented: other locales, flags and mappings (0 is
// returned, as Windows does for a call it refuses); SetLastError.
#include <string.h>

#include <string>

#include "platform/files/sort_key.h"
#include "platform/win32.h"

namespace {

bool IsKnownLocale(LCID locale)
{
    return locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT || locale == LOCALE_JAPANESE;
}

size_t LengthOf(const char *text, int length)
{
    return length < 0 ? strlen(text) : size_t(length);
}

}  // namespace

int CompareStringA(LCID locale, DWORD flags, LPCSTR a, int lengthA, LPCSTR b, int lengthB)
{
    if (!IsKnownLocale(locale) || (flags & ~DWORD(NORM_IGNORECASE)) || !a || !b) return 0;
    thread_local std::string keyA, keyB;  // kept between calls: no allocation per name
    MakeSortKey(a, LengthOf(a, lengthA), flags & NORM_IGNORECASE, &keyA);
    MakeSortKey(b, LengthOf(b, lengthB), flags & NORM_IGNORECASE, &keyB);
    return CSTR_EQUAL + CompareSortKeys(keyA, keyB);
}

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    if (!a || !b) return a == b ? 0 : a ? 1 : -1;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
}

int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR dest,
                 int destSize)
{
    if (!IsKnownLocale(locale) || (flags & ~DWORD(NORM_IGNORECASE)) != LCMAP_SORTKEY) return 0;
    if (!source || sourceLength == 0 || destSize < 0) return 0;
    thread_local std::string key;
    MakeSortKey(source, LengthOf(source, sourceLength), flags & NORM_IGNORECASE, &key);
    int size = int(key.size());  // the closing 0 byte included
    if (destSize == 0) return size;
    if (!dest || destSize < size) return 0;
    memcpy(dest, key.data(), size);
    return size;
}
