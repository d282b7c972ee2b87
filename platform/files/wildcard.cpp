// Wildcard matching over code page 932 characters. The classic two-cursor
// walk with one remembered star: linear in practice and never exponential,
// whatever the pattern holds. Characters are decoded in place, no copies.
//
// A prepared pattern of the form "*text" or "*text*" with ASCII text needs no
// walk of the pattern: the name matches when the text, letter case folded,
// stands at its end (or anywhere in it) from one of its character boundaries.
// ASCII text never meets half of a double-byte character there, since every
// byte it is compared with is below 0x80 and so a whole character.
#include "platform/files/wildcard.h"

#include <cstring>

#include "platform/text/cp932.h"

namespace {

unsigned char FoldAscii(unsigned char b)
{
    return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b;
}

// The character at `at`: a double-byte character as lead * 256 + trail, a
// single byte as itself with ASCII letters folded to lower case (a lead byte
// at the very end stands alone). Sets `width` to its length in bytes.
unsigned CharacterAt(std::string_view text, size_t at, size_t *width)
{
    unsigned char b = static_cast<unsigned char>(text[at]);
    if (IsLeadByteOf932(b) && at + 1 < text.size()) {
        *width = 2;
        return b * 256u + static_cast<unsigned char>(text[at + 1]);
    }
    *width = 1;
    return FoldAscii(b);
}

// Whether `name` from `at` starts with `lower` (already in lower case).
bool HasTextAt(std::string_view name, size_t at, std::string_view lower)
{
    if (name.size() - at < lower.size()) return false;
    for (size_t i = 0; i < lower.size(); ++i) {
        if (FoldAscii(static_cast<unsigned char>(name[at + i])) != static_cast<unsigned char>(lower[i])) {
            return false;
        }
    }
    return true;
}

// Whether a character begins at `at` (< text.size()), as the walk from the
// start would find. A character begins after any byte that is not a lead byte
// (a single byte or a second one), and the lead bytes after it pair off: so
// one begins at `at` when the run of lead bytes just before it is even.
bool IsCharacterBoundary(std::string_view text, size_t at)
{
    size_t run = 0;
    while (run < at && IsLeadByteOf932(static_cast<unsigned char>(text[at - 1 - run]))) ++run;
    return run % 2 == 0;
}

bool EndsWithText(std::string_view name, std::string_view lower)
{
    return name.size() >= lower.size() && HasTextAt(name, name.size() - lower.size(), lower) &&
           IsCharacterBoundary(name, name.size() - lower.size());
}

// Where the text may begin at or after `from`: the next byte that folds to
// its first byte (a search for that byte alone when it is not a letter).
size_t NextCandidate(std::string_view name, size_t from, unsigned char first)
{
    if (first < 'a' || first > 'z') {
        const void *found = std::memchr(name.data() + from, first, name.size() - from);
        return found ? static_cast<const char *>(found) - name.data() : name.size();
    }
    while (from < name.size() && FoldAscii(static_cast<unsigned char>(name[from])) != first) ++from;
    return from;
}

bool ContainsText(std::string_view name, std::string_view lower)
{
    const unsigned char first = static_cast<unsigned char>(lower[0]);
    for (size_t at = NextCandidate(name, 0, first); at + lower.size() <= name.size();
         at = NextCandidate(name, at + 1, first)) {
        if (HasTextAt(name, at, lower) && IsCharacterBoundary(name, at)) return true;
    }
    return false;
}

// Plain ASCII text with no wildcard in it, and at least one byte of it.
bool IsPlainAsciiText(std::string_view text)
{
    for (unsigned char c : text) {
        if (c >= 0x80 || c == '*' || c == '?') return false;
    }
    return !text.empty();
}

}  // namespace

bool MatchWildcard(std::string_view pattern, std::string_view name)
{
    const size_t none = pattern.size();
    size_t pi = 0, ni = 0;
    size_t starAt = none, resumeAt = 0;  // last star seen, and where its run ends
    while (ni < name.size()) {
        size_t pw = 0, nw = 0;
        unsigned p = pi < pattern.size() ? CharacterAt(pattern, pi, &pw) : 0;
        unsigned n = CharacterAt(name, ni, &nw);
        if (pi < pattern.size() && p == '*') {
            starAt = pi;
            pi += pw;
            resumeAt = ni;
        } else if (pi < pattern.size() && (p == '?' || p == n)) {
            pi += pw;
            ni += nw;
        } else if (starAt != none) {
            pi = starAt + 1;  // let the last star swallow one more character
            CharacterAt(name, resumeAt, &nw);
            ni = resumeAt += nw;
        } else {
            return false;
        }
    }
    while (pi < pattern.size() && pattern[pi] == '*') ++pi;
    return pi == pattern.size();
}

bool HasWildcard(std::string_view pattern)
{
    for (size_t at = 0, width = 0; at < pattern.size(); at += width) {
        unsigned c = CharacterAt(pattern, at, &width);
        if (c == '*' || c == '?') return true;
    }
    return false;
}

WildcardPattern::WildcardPattern(std::string_view pattern) : pattern_(pattern), shape_(kGeneral)
{
    if (pattern.size() < 2 || pattern.front() != '*') return;
    std::string_view text = pattern.substr(1);
    Shape shape = kEndsWith;
    if (text.back() == '*') {
        text.remove_suffix(1);
        shape = kContains;
    }
    if (!IsPlainAsciiText(text)) return;
    for (unsigned char c : text) text_.push_back(char(FoldAscii(c)));
    shape_ = shape;
}

bool WildcardPattern::Matches(std::string_view name) const
{
    switch (shape_) {
    case kEndsWith: return EndsWithText(name, text_);
    case kContains: return ContainsText(name, text_);
    default: return MatchWildcard(pattern_, name);
    }
}
