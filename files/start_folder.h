// Which folder the viewer shows: from the command-line tail into g_viewer.folder.
#pragma once

#include <stddef.h>

// Fills g_viewer.folder: the current directory, or the folder (or the folder of
// the file) that the tail names, in long-name form, without a trailing separator.
void ResolveStartFolder(const char *commandLineTail);

// Writes the stored-name form of an existing full path into `output` and
// returns 1; returns 0 and leaves `output` untouched when the path names
// nothing or the result needs `size` bytes or more.
int ToLongPath(const char *fullPath, char *output, int size);
