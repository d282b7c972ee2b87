#include "platform/files/ascii_sort_key.h"

namespace {

// Whether the collation's rules, options in brackets aside, name an ASCII
// letter or digit: then some of them may contract or be reordered.
bool RulesNameAsciiCharacters(const UChar *rules, int32_t length)
{
    int depth = 0;
    for (int32_t i = 0; i < length; ++i) {
        UChar c = rules[i];
        if (c == '[') ++depth;
        if (c == ']' && depth > 0) --depth;
        bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (depth == 0 && alphanumeric) return true;
    }
    return false;
}

// A key's primary bytes: all before the first level separator (0x01).
std::string::size_type PrimaryLength(const std::string &key)
{
    std::string::size_type end = key.find('\x01');
    return end == std::string::npos ? key.size() : end;
}

}  // namespace

AsciiSortKeys::AsciiSortKeys(const IcuLibrary &icu) : icu_(icu)
{
    int32_t length = 0;
    const UChar *rules = icu.rules(icu.collator, &length);
    usable_ = !RulesNameAsciiCharacters(rules, length);
}

std::string AsciiSortKeys::IcuKey(const UChar *units, int32_t count) const
{
    std::string key;
    AppendIcuSortKey(icu_, units, count, &key);
    return key;
}

// The levels after the primary bytes for a text of `count` simple characters:
// those of as many 'a's, whose primary bytes must be 'a''s repeated.
const std::string *AsciiSortKeys::Levels(int32_t count)
{
    if (size_t(count) < levels_.size() && !levels_[count].empty()) return &levels_[count];
    if (!IsSimple('a')) return nullptr;
    std::u16string text(count, u'a');
    std::string key = IcuKey(reinterpret_cast<const UChar *>(text.data()), count);
    std::string primaries;
    for (int32_t i = 0; i < count; ++i) primaries.append(primaries_['a'].bytes, primaries_['a'].length);
    if (key.compare(0, primaries.size(), primaries) != 0 || PrimaryLength(key) != primaries.size()) {
        usable_ = false;  // 'a's that do not key one by one: trust nothing here
        return nullptr;
    }
    if (levels_.size() <= size_t(count)) levels_.resize(count + 1);
    levels_[count] = key.substr(primaries.size());
    return &levels_[count];
}

// A character is simple when its key is its primary bytes and the levels of
// one character ('a''s, learnt from its own key when it is 'a').
bool AsciiSortKeys::IsSimple(UChar c)
{
    if (kinds_[c] != Kind::kUnknown) return kinds_[c] == Kind::kSimple;
    kinds_[c] = Kind::kOther;
    std::string key = IcuKey(&c, 1);
    std::string::size_type primary = PrimaryLength(key);
    if (primary == 0 || primary > sizeof primaries_[c].bytes) return false;  // none: ignorable
    key.copy(primaries_[c].bytes, primary);
    primaries_[c].length = static_cast<unsigned char>(primary);
    if (c == 'a') {
        if (levels_.size() < 2) levels_.resize(2);
        levels_[1] = key.substr(primary);
    } else {
        const std::string *one = Levels(1);
        if (!one || key.compare(primary, std::string::npos, *one) != 0) return false;
    }
    kinds_[c] = Kind::kSimple;
    return true;
}

// A pair is simple when both characters are and its key is their primaries
// joined and the levels of two: no contraction, no compression between them.
bool AsciiSortKeys::IsSimplePair(UChar first, UChar second)
{
    size_t at = size_t(first) * 128 + second;
    if (pairKnown_[at]) return pairSimple_[at];
    pairKnown_[at] = true;
    const std::string *two = Levels(2);
    const UChar pair[2] = {first, second};
    std::string joined(primaries_[first].bytes, primaries_[first].length);
    joined.append(primaries_[second].bytes, primaries_[second].length);
    bool simple = two && IcuKey(pair, 2) == joined + *two;
    pairSimple_[at] = simple;
    return simple;
}

bool AsciiSortKeys::Append(const UChar *units, int32_t count, std::string *key)
{
    if (!usable_ || count > kLongestText) return false;
    char primaries[kLongestText * sizeof(Primary::bytes)];
    size_t length = 0;
    for (int32_t i = 0; i < count; ++i) {
        UChar c = units[i];
        if (c >= 128 || (kinds_[c] != Kind::kSimple && !IsSimple(c))) return false;
        if (i > 0 && !pairSimple_[size_t(units[i - 1]) * 128 + c] && !IsSimplePair(units[i - 1], c)) return false;
        for (unsigned char b = 0; b < primaries_[c].length; ++b) primaries[length++] = primaries_[c].bytes[b];
    }
    const std::string *levels = Levels(count);
    if (!levels || !usable_) return false;
    key->append(primaries, length);
    key->append(*levels);
    return true;
}
