// The key is built in levels, each compared only when all before it are
// equal, and kept free of 0 bytes so that strcmp can compare whole keys:
//
// 1. ICU's sort key, up to the tertiary level, of the name with its letter
//    case folded and its hyphens and apostrophes taken out. ICU has no
//    strength that keeps the tertiary level without case, so case is folded
//    away before ICU sees the name. Its closing 0 byte becomes the level
//    separator 0x01, which is below every weight.
//    Kana reach ICU as hiragana, so that small before large comes first.
// 2. The kana types, one byte a kana: half-width katakana, katakana, then
//    hiragana, the order Windows gives them (ICU's is the other way round).
// 3. The folded name itself (UTF-8, each byte plus one): a last tie-break
//    between names that the locale's collation finds equal although they are
//    not the same characters (the Japanese collation ties Ａ and A).
// 4. The hyphens and apostrophes: for each, where it stands (later ones sort
//    first) and which it is. A name without any sorts before one with some.
//
// The locale is ICU's default (from LC_ALL, LC_COLLATE or LANG); see
// icu_library.h for how the library is had.
#include "platform/files/collation_key.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <cstring>
#include <memory>

#include "platform/files/ascii_sort_key.h"
#include "platform/files/icu_library.h"
#include "platform/text/cp932.h"

namespace {

// Names shorter than this take the ASCII path, whose buffers are on the stack.
const size_t kShortName = AsciiSortKeys::kLongestText;

// The weight of a character that the word sort sets aside, or 0. The code page
// 932 ones: apostrophe, full-width apostrophe, hyphen-minus, full-width
// hyphen-minus, hyphen.
int WordSortWeight(UChar c)
{
    switch (c) {
    case 0x0027: return 1;
    case 0xFF07: return 2;
    case 0x002D: return 3;
    case 0xFF0D: return 4;
    case 0x2010: return 5;
    default: return 0;
    }
}

// Folds the letter case of `text` in place.
void FoldCase(const IcuLibrary &icu, std::u16string *text, std::u16string *scratch)
{
    bool ascii = true;
    for (char16_t &c : *text) {
        ascii = ascii && c < 0x80;
        if (c >= u'A' && c <= u'Z') c += 0x20;
    }
    if (ascii) return;  // the common case: only A to Z change
    scratch->resize(text->size() * 3 + 1);  // full folding grows a unit to at most 3
    UErrorCode status = U_ZERO_ERROR;
    int32_t units = icu.foldCase(reinterpret_cast<UChar *>(&(*scratch)[0]), int32_t(scratch->size()),
                                  reinterpret_cast<const UChar *>(text->data()), int32_t(text->size()),
                                  U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status)) return;
    scratch->resize(units);
    text->swap(*scratch);
}

// Level 3 for one set-aside character at `position`: later positions first.
void AppendWordSortMark(size_t position, int weight, std::string *marks)
{
    unsigned p = position < 0x3FFF ? unsigned(position) : 0x3FFF;
    const char mark[] = {char(0xFF - (p >> 7)), char(0xFF - (p & 0x7F)), char(weight)};
    marks->append(mark, 3);
}

// Takes the set-aside characters out of `text` into `marks`.
void SetAsideWordSortCharacters(std::u16string *text, std::string *marks)
{
    size_t kept = 0;
    for (size_t i = 0; i < text->size(); ++i) {
        int weight = WordSortWeight((*text)[i]);
        if (weight) AppendWordSortMark(i, weight, marks);
        else (*text)[kept++] = (*text)[i];
    }
    text->resize(kept);
}

enum KanaType { kHalfWidthKatakana = 2, kKatakana = 3, kHiragana = 4 };

// The full-width katakana of a half-width one (its compatibility form).
UChar FullWidthKatakana(const IcuLibrary &icu, UChar c)
{
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2 *nfkc = icu.nfkcInstance(&status);
    UChar full[4];
    int32_t length = U_SUCCESS(status) ? icu.decomposition(nfkc, c, full, 4, &status) : 0;
    return U_SUCCESS(status) && length == 1 ? full[0] : c;
}

// Turns every kana of `text` into its hiragana (where there is one), noting
// its type in `types`.
void SetAsideKanaTypes(const IcuLibrary &icu, std::u16string *text, std::string *types)
{
    for (char16_t &c : *text) {
        KanaType type;
        if (c >= 0xFF66 && c <= 0xFF9D) {
            type = kHalfWidthKatakana;
            c = FullWidthKatakana(icu, c);
        } else if ((c >= 0x30A1 && c <= 0x30FA) || c == 0x30FC) {
            type = kKatakana;
        } else if (c >= 0x3041 && c <= 0x3096) {
            type = kHiragana;
        } else {
            continue;
        }
        if (c >= 0x30A1 && c <= 0x30F6) c -= 0x60;
        types->push_back(char(type));
    }
    types->push_back(1);
}

// Level 1: ICU's key with its closing 0 turned into the separator.
void AppendIcuKey(const IcuLibrary &icu, const UChar *units, int32_t count, std::string *key)
{
    AppendIcuSortKey(icu, units, count, key);
    key->push_back(1);
}

// Level 2: the text's UTF-8 bytes, each plus one (UTF-8 has no 0xFF byte).
void AppendTieBreak(const std::u16string &text, std::string *key)
{
    size_t at = key->size();
    key->resize(at + text.size() * 3 + 1);
    uint8_t *out = reinterpret_cast<uint8_t *>(&(*key)[at]);
    int32_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        UChar32 c = text[i];
        if (U16_IS_LEAD(c) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1])) {
            c = U16_GET_SUPPLEMENTARY(c, text[++i]);
        }
        int32_t from = n;
        U8_APPEND_UNSAFE(out, n, c);
        for (int32_t b = from; b < n; ++b) out[b] += 1;
    }
    out[n++] = 1;
    key->resize(at + n);
}

// Without the library (not installed), the bytes with ASCII letters folded,
// each plus one: still one consistent order, if a plainer one.
void AppendByteKey(const char *name, size_t length, std::string *key)
{
    for (size_t i = 0; i < length && name[i]; ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
        key->push_back(char(c == 0xFF ? c : c + 1));
    }
    key->push_back(0);
}

// The pieces of ASCII keys learnt from the library as loaded now (used under
// its lock, as the library itself is).
AsciiSortKeys &AsciiKeysOf(const IcuLibrary &icu)
{
    static std::unique_ptr<AsciiSortKeys> keys;
    static unsigned learntFrom = 0;
    if (!keys || learntFrom != icu.loadCount) {
        keys = std::make_unique<AsciiSortKeys>(icu);
        learntFrom = icu.loadCount;
    }
    return *keys;
}

// An ASCII name, the common case, in one pass: the key the general path gives
// it, with nothing to convert, no case but A to Z to fold and no kana.
void AppendAsciiKey(const IcuLibrary &icu, const char *name, size_t length, std::string *key)
{
    UChar units[kShortName];
    char tieBreak[kShortName];
    std::string marks;
    int32_t kept = 0;
    for (size_t i = 0; i < length; ++i) {
        char c = name[i] >= 'A' && name[i] <= 'Z' ? char(name[i] + ('a' - 'A')) : name[i];
        if (int weight = WordSortWeight(c)) {
            AppendWordSortMark(i, weight, &marks);
        } else {
            units[kept] = UChar(c);
            tieBreak[kept++] = char(c + 1);
        }
    }
    if (AsciiKeysOf(icu).Append(units, kept, key)) key->push_back(1);
    else AppendIcuKey(icu, units, kept, key);
    key->push_back(1);  // the kana level, empty
    key->append(tieBreak, kept);
    key->push_back(1);
    key->append(marks);
    key->push_back(0);
}

}  // namespace

void AppendCollationKey(const char *name, size_t length, std::string *key)
{
    IcuLibraryUse use;
    if (!use.library()) return AppendByteKey(name, length, key);
    const IcuLibrary &icu = *use.library();
    length = strnlen(name, length);
    key->reserve(key->size() + 64 + 8 * length);  // ICU's levels and ours: no growing on the way
    if (length < kShortName && IsAscii(std::string_view(name, length))) {
        return AppendAsciiKey(icu, name, length, key);
    }
    thread_local std::u16string text, scratch;  // kept between calls: no allocation per name
    thread_local std::string marks, types;
    marks.clear();
    types.clear();
    text = Cp932ToUtf16(std::string_view(name, length));
    FoldCase(icu, &text, &scratch);
    SetAsideWordSortCharacters(&text, &marks);
    SetAsideKanaTypes(icu, &text, &types);
    AppendIcuKey(icu, reinterpret_cast<const UChar *>(text.data()), int32_t(text.size()), key);
    key->append(types);
    AppendTieBreak(text, key);
    key->append(marks);
    key->push_back(0);
}
