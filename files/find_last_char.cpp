#include "files/find_last_char.h"

// One walk for both modes: a lead byte takes the byte after it along, so a
// second byte is never seen as a character of its own; a lead byte just before
// the terminator ends the walk.
const char *FindLastChar(const char *text, unsigned short code)
{
    const char *found = nullptr;
    if (!text || code == 0) return nullptr;
    for (const char *p = text; *p; ++p) {
        unsigned char b = static_cast<unsigned char>(*p);
        if (IsCp932LeadByte(b)) {
            if (p[1] == 0) break;
            if (code >= 256 && b * 256u + static_cast<unsigned char>(p[1]) == code) found = p;
            ++p;
        } else if (code < 256 && b == code) {
            found = p;
        }
    }
    return found;
}
