// The search pattern matcher and the prepared pattern on arbitrary pattern and
// name bytes, checked against a dynamic-programming restatement over the same
// characters. The input is the pattern, a 0 byte, then the name.
//
// KOVLO_FUZZ_SEEDS=<folder> ./wildcard_fuzz writes the seed corpus and exits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/seeds/seed_files.h"
#include "platform/files/wildcard.h"

namespace {

bool IsLead(unsigned char b)
{
    return static_cast<unsigned char>((b ^ 0x20) - 0xA1) < 0x3C;
}

std::vector<unsigned> Characters(const std::string &text)
{
    std::vector<unsigned> out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (IsLead(b) && i + 1 < text.size()) {
            out.push_back(b * 256u + static_cast<unsigned char>(text[++i]));
        } else {
            out.push_back(b >= 'A' && b <= 'Z' ? b + 32u : b);
        }
    }
    return out;
}

// matches[i][j]: the first i pattern characters admit the first j name characters.
bool Reference(const std::string &pattern, const std::string &name)
{
    std::vector<unsigned> p = Characters(pattern), n = Characters(name);
    std::vector<std::vector<char>> matches(p.size() + 1, std::vector<char>(n.size() + 1, 0));
    matches[0][0] = 1;
    for (size_t i = 1; i <= p.size(); ++i) {
        for (size_t j = 0; j <= n.size(); ++j) {
            if (p[i - 1] == '*') {
                matches[i][j] = matches[i - 1][j] || (j > 0 && matches[i][j - 1]);
            } else if (j > 0 && (p[i - 1] == '?' || p[i - 1] == n[j - 1])) {
                matches[i][j] = matches[i - 1][j - 1];
            }
        }
    }
    return matches[p.size()][n.size()];
}

// A seed is the pattern, a 0 byte, then the name.
std::vector<std::string> Seeds()
{
    const char *const pairs[][2] = {
        {"*.jpg", "a.JPG"},        {"*.jpe*", "x.jpeg.bak"}, {"*.jfi*", "x.jfif.jpeg"},
        {"?.jpg", "\x95\x5C.jpg"}, {"a*b*c", "abbbc"},       {"*\x5C*", "\x95\x5C"},
        {"??", "\x83\x5C"},        {"*a", "\x82\x61"},       {"", ""},
        {"*.jpg", "\x83.jpg"},    {"*.jpe*", "a\x83.jpe"},  {"*jpg", "\x83\x83jpg"},
    };
    std::vector<std::string> out;
    for (const auto &pair : pairs) out.push_back(std::string(pair[0]) + '\0' + pair[1]);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WriteSeedsIfAsked(Seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096) return 0;  // keeps the quadratic reference quick
    std::string input(reinterpret_cast<const char *>(data), size);
    size_t split = input.find('\0');
    if (split == std::string::npos) return 0;
    std::string pattern = input.substr(0, split), name = input.substr(split + 1);
    bool expected = Reference(pattern, name);
    if (MatchWildcard(pattern, name) != expected) std::abort();
    if (WildcardPattern(pattern).Matches(name) != expected) std::abort();
    bool hasWildcard = false;
    for (unsigned c : Characters(pattern)) hasWildcard |= c == '*' || c == '?';
    if (HasWildcard(pattern) != hasWildcard) std::abort();
    return 0;
}
