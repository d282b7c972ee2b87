// Wildcard matching over code page 932 characters. The classic two-cursor
// walk with one remembered star: linear in practice and never exponential,
// whatever the pattern holds. Characters are decoded in place, no copies.
#include "platform/files/wildcard.h"

#include "platform/text/cp932.h"

namespace {

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
    return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b;
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
