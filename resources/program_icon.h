// The program's icon resource ("MYICON"): the bytes of kovlo.ico, rendered from
// resources/kovlo.svg at build time, the same file the Windows resource script
// names, built into the program.
#pragma once

#include <stddef.h>

// The .ico file of the icon resource with that name, or null (size 0).
const unsigned char *FindIconResource(const char *name, size_t *size);
