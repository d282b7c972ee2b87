// Sort keys of code page 932 names: the one definition of the order that
// lstrcmpiA and LCMapStringA(LCMAP_SORTKEY | NORM_IGNORECASE) share.
//
// The order is the user's locale collation (ICU) with letter case, and only
// letter case, ignored: full-width and half-width forms, hiragana and
// katakana, small and large kana all differ. It is a word sort, as Windows'
// is: hyphens and apostrophes weigh least of all (aa.jpg before a-b.jpg) and
// decide only between names that are otherwise the same. Digits compare one
// by one (10.jpg before 9.jpg).
#pragma once

#include <string>

// Appends the key of the first `length` bytes of `name` (up to a 0 byte) to
// `key`, 0 byte included. Two keys compare with strcmp as their names do.
void AppendCollationKey(const char *name, size_t length, std::string *key);
