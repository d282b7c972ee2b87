// Code page 932 (Shift_JIS as Windows has it) to and from UTF-8: what the
// application speaks and what the file system, GTK and pango speak.
#pragma once

#include <string>
#include <string_view>

// UTF-8 for display. Bytes that are not valid code page 932 come out as U+FFFD
// each, so that a damaged name still shows.
std::string Cp932ToUtf8(std::string_view cp932);

// Code page 932 for the application; false when some character has no code
// page 932 form (then `out` is unspecified).
bool Utf8ToCp932(std::string_view utf8, std::string *out);

// The code page 932 form with every character that has none (and every byte
// that is not UTF-8) written as `replacement`. Returns how many were replaced.
int Utf8ToCp932Replacing(std::string_view utf8, std::string_view replacement, std::string *out);
