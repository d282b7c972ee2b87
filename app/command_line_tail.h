// Where the arguments begin in a process command line.
#pragma once

// The part of `commandLine` after the program name and the blanks behind it.
// The name runs on while the byte is above 0x20, or up to the end while a
// double quote is open; each quote toggles the quoted state and belongs to the
// name; a code page 932 lead byte takes the next byte with it. Then every byte
// 0x01..0x20 is skipped. The rest is returned unchanged (quotes and trailing
// blanks kept). Never reads past the terminating 0 byte.
const char *CommandLineTail(const char *commandLine);
