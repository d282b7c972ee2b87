// Wildcard matching over code page 932 characters. The classic two-cursor
// walk with one remembered star: linear in practice and never exponential,
// whatever the pattern holds.
#include "platform/files/wildcard.h"

#include <vector>

namespace {

bool IsLeadByte(unsigned char b)
{
    return static_cast<unsigned char>((b ^ 0x20) - 0xA1) < 0x3C;
}

// The text as characters: a double-byte character as lead * 256 + trail, a
// single byte as itself with ASCII letters folded to lower case. A lead byte
// at the very end stands alone.
std::vector<unsigned> Characters(std::string_view text)
{
    std::vector<unsigned> out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b) && i + 1 < text.size()) {
            out.push_back(b * 256u + static_cast<unsigned char>(text[++i]));
        } else {
            out.push_back(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
        }
    }
    return out;
}

}  // namespace

bool MatchWildcard(std::string_view pattern, std::string_view name)
{
    const std::vector<unsigned> p = Characters(pattern);
    const std::vector<unsigned> n = Characters(name);
    size_t pi = 0, ni = 0;
    size_t starAt = p.size(), resumeAt = 0;  // last star seen, and where its run ends
    while (ni < n.size()) {
        if (pi < p.size() && p[pi] == '*') {
            starAt = pi++;
            resumeAt = ni;
        } else if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (starAt != p.size()) {
            pi = starAt + 1;  // let the last star swallow one more character
            ni = ++resumeAt;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

bool HasWildcard(std::string_view pattern)
{
    for (unsigned c : Characters(pattern)) {
        if (c == '*' || c == '?') return true;
    }
    return false;
}
