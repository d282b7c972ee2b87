#include "app/command_line_tail.h"

#include "files/find_last_char.h"

static const unsigned char *SkipProgramName(const unsigned char *p)
{
    bool quoted = false;
    while (*p > 0x20 || (*p != 0 && quoted)) {
        if (*p == '"')
            quoted = !quoted;
        // A lead byte keeps its trail byte in the name; a lead byte at the very
        // end has no trail byte, and the terminator must not be stepped over.
        if (IsCp932LeadByte(*p) && p[1] != 0)
            ++p;
        ++p;
    }
    return p;
}

const char *CommandLineTail(const char *commandLine)
{
    const unsigned char *p =
        SkipProgramName(reinterpret_cast<const unsigned char *>(commandLine));
    while (*p != 0 && *p <= 0x20)
        ++p;
    return reinterpret_cast<const char *>(p);
}
