// The file-name patterns of the directory search: '*' stands for any run of
// characters (none included), '?' for exactly one. Letter case is ignored, and
// a code page 932 double-byte character is one character throughout.
#pragma once

#include <string_view>

bool MatchWildcard(std::string_view pattern, std::string_view name);

// True when the pattern holds '*' or '?' (outside double-byte characters).
bool HasWildcard(std::string_view pattern);
