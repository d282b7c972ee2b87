#include "resources/program_icon.h"

#include <string.h>

// Written at build time from the rendered kovlo.ico (program_icon_data.cpp.in).
extern const unsigned char kProgramIconFile[];
extern const size_t kProgramIconFileSize;

const unsigned char *FindIconResource(const char *name, size_t *size)
{
    bool found = name != NULL && strcmp(name, "MYICON") == 0;
    if (size) *size = found ? kProgramIconFileSize : 0;
    return found ? kProgramIconFile : NULL;
}
