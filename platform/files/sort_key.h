// Sort keys of code page 932 text as Windows makes them in the Japanese
// locale (LCMapStringA with LCMAP_SORTKEY): the one definition of the order
// that lstrcmpiA, CompareStringA and LCMapStringA share, whatever the Linux
// locale. Built from the weights Windows itself gave (sort_weights.h).
//
// A key has five levels, each compared only when all before it are equal:
// the characters' primary weights, their diacritics, their case, the kana
// levels (small or full size, the kana marks, hiragana or katakana, width)
// and last the word-sort level: hyphens, apostrophes and control characters
// weigh nothing until then, and there they count by where they stand. Digits
// are characters like any other, so 10.jpg sorts before 9.jpg.
#pragma once

#include <stddef.h>

#include <string>

// Writes the key of the first `length` bytes of `text` into `key`, closing 0
// byte included (it may hold other 0 bytes before that one: compare keys with
// their lengths). `ignoreCase` is NORM_IGNORECASE: upper and lower case, and
// sub- and superscript, weigh the same; widths and kana types still differ.
void MakeSortKey(const char *text, size_t length, bool ignoreCase, std::string *key);

// Compares two keys as Windows compares the texts: negative, 0 or positive.
int CompareSortKeys(const std::string &a, const std::string &b);
