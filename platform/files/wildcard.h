// The file-name patterns of the directory search: '*' stands for any run of
// characters (none included), '?' for exactly one. Letter case is ignored, and
// a code page 932 double-byte character is one character throughout.
#pragma once

#include <string>
#include <string_view>

bool MatchWildcard(std::string_view pattern, std::string_view name);

// True when the pattern holds '*' or '?' (outside double-byte characters).
bool HasWildcard(std::string_view pattern);

// A pattern prepared once for matching a whole folder. The usual shapes, a
// star and ASCII text ("*.jpg") or a star, ASCII text and a star ("*.jpe*"),
// are matched by comparing bytes at the name's character boundaries; any other
// pattern goes to MatchWildcard. Both answer alike for every name.
class WildcardPattern {
public:
    explicit WildcardPattern(std::string_view pattern);
    bool Matches(std::string_view name) const;

private:
    enum Shape { kGeneral, kEndsWith, kContains };
    std::string pattern_;
    std::string text_;  // the ASCII text between the stars, in lower case
    Shape shape_;
};
