// Code page 932 (Shift_JIS) aware searching in byte strings.
#pragma once

// A lead byte (0x81..0x9F, 0xE0..0xFC) and the byte after it are one character;
// that second byte may be 0x5C and is then not a backslash.
inline bool IsCp932LeadByte(unsigned char b)
{
    return static_cast<unsigned char>((b ^ 0x20) - 0xA1) < 0x3C;
}

// Position of the last occurrence of `code` in `text`, or none (nullptr).
// Codes below 256 are single-byte characters; from 256 up, lead * 256 + trail.
const char *FindLastChar(const char *text, unsigned short code);
