// Code page 932 (Shift_JIS as Windows has it) to and from UTF-8: what the
// application speaks and what the file system, GTK and pango speak.
#pragma once

#include <string>
#include <string_view>

// A lead byte (0x81..0x9F, 0xE0..0xFC) takes the byte after it into one
// double-byte character, whose second byte may look like a backslash or a letter.
inline bool IsLeadByteOf932(unsigned char b)
{
    return static_cast<unsigned char>((b ^ 0x20) - 0xA1) < 0x3C;
}

// Pure ASCII: the same bytes in code page 932 and in UTF-8, 0x5C and 0x7E
// included, so that nothing needs converting.
inline bool IsAscii(std::string_view text)
{
    for (unsigned char c : text) {
        if (c >= 0x80) return false;
    }
    return true;
}

// Bytes in the UTF-8 sequence that starts with `lead`.
inline size_t Utf8SequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// UTF-8 for display. Bytes that are not valid code page 932 come out as U+FFFD
// each, so that a damaged name still shows.
std::string Cp932ToUtf8(std::string_view cp932);

// The same characters as UTF-16 (code page 932 has none beyond the BMP), from
// a table filled as characters are met: a name needs no converter call.
std::u16string Cp932ToUtf16(std::string_view cp932);

// Code page 932 for the application; false when some character has no code
// page 932 form (then `out` is unspecified).
bool Utf8ToCp932(std::string_view utf8, std::string *out);

// The code page 932 form with every character that has none (and every byte
// that is not UTF-8) written as `replacement`. Returns how many were replaced.
int Utf8ToCp932Replacing(std::string_view utf8, std::string_view replacement, std::string *out);
