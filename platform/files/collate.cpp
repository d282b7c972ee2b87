// lstrcmpiA and LCMapStringA: the user's locale collation with letter case
// ignored, over the sort keys of collation_key.h, so the two always agree.
//
// Implemented for LCMapStringA: LCMAP_SORTKEY together with NORM_IGNORECASE,
// for LOCALE_USER_DEFAULT or LOCALE_SYSTEM_DEFAULT (the same locale here).
// Not implemented: every other mapping and flag (0 is returned).
#include <cstring>
#include <string>

#include "platform/files/collation_key.h"
#include "platform/win32.h"

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    if (!a || !b) return a == b ? 0 : a ? 1 : -1;
    std::string keyA, keyB;
    AppendCollationKey(a, std::strlen(a), &keyA);
    AppendCollationKey(b, std::strlen(b), &keyB);
    int order = std::strcmp(keyA.c_str(), keyB.c_str());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR dest,
                 int destSize)
{
    if (locale != LOCALE_USER_DEFAULT && locale != LOCALE_SYSTEM_DEFAULT) return 0;
    if (flags != (LCMAP_SORTKEY | NORM_IGNORECASE) || !source || destSize < 0) return 0;
    size_t length = sourceLength < 0 ? std::strlen(source) : size_t(sourceLength);
    thread_local std::string key;  // kept between calls: no allocation per name
    key.clear();
    AppendCollationKey(source, length, &key);
    int size = int(key.size());  // the closing 0 byte included
    if (destSize == 0) return size;
    if (!dest || destSize < size) return 0;
    std::memcpy(dest, key.data(), size);
    return size;
}
