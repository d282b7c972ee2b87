// ICU's sort key of an ASCII text, put together from pieces ICU gave before.
//
// In the usual collations (the root one, English, Japanese) every printable
// ASCII character is one collation element of its own: a primary weight and
// the common secondary and tertiary weights. ICU's key of a text of such
// characters is then their primary bytes one after the other, followed by
// secondary and tertiary levels that depend on the text's length alone. Most
// file names are such texts, and asking ICU for each key is most of the time
// a folder's list takes.
//
// The pieces are learnt from ICU on first use and every one is checked: a
// character counts only if its own key is its primary bytes and the levels of
// one character; a pair of characters only if its key is the two primaries
// joined and the levels of two. A text with any character or pair that fails
// is left to ICU, and a collation whose rules name ASCII letters or digits
// (contractions such as Czech "ch", Danish "aa") is left to ICU altogether.
#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "platform/files/icu_library.h"

class AsciiSortKeys {
public:
    explicit AsciiSortKeys(const IcuLibrary &icu);

    // Appends ICU's key of the ASCII text without its closing 0 byte, as
    // ICU itself would write it; false, with nothing appended, when the text
    // must go to ICU.
    bool Append(const UChar *units, int32_t count, std::string *key);

    // Longer texts go to ICU.
    static constexpr int32_t kLongestText = 512;

private:
    enum class Kind : unsigned char { kUnknown, kSimple, kOther };

    std::string IcuKey(const UChar *units, int32_t count) const;
    const std::string *Levels(int32_t count);
    bool IsSimple(UChar c);
    bool IsSimplePair(UChar first, UChar second);

    // A character's primary bytes (ICU's primaries have at most 4).
    struct Primary {
        char bytes[4];
        unsigned char length;
    };

    const IcuLibrary &icu_;
    bool usable_;
    Kind kinds_[128] = {};
    Primary primaries_[128] = {};
    std::vector<std::string> levels_;  // by length: the key after the primary bytes
    std::bitset<128 * 128> pairKnown_, pairSimple_;
};
