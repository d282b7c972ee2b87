// Which folder the viewer shows: from the command-line tail into g_viewer.folder.
#pragma once

#include <stddef.h>

// Fills g_viewer.folder: the current directory, or the folder (or the folder of
// the file) that the tail names, in long-name form, without a trailing separator.
// Returns 0 when the tail names nothing (the current directory stands in for
// it), else 1, an empty tail included.
int ResolveStartFolder(const char *commandLineTail);

// Writes the stored-name form of an existing full path into `output` and
// returns 1; returns 0 and leaves `output` untouched when the path names
// nothing or the result needs `size` bytes or more.
int ToLongPath(const char *fullPath, char *output, int size);
