// The one place where a file is opened and decoded: the window's size handling.
#pragma once

#include <stddef.h>

#include "platform/win32.h"

// Measures the client area, decodes the current file for the view, applies the
// user rotation and invalidates the window. A file that cannot be opened
// changes nothing but the measured sizes.
void ReloadCurrentImage(HWND hwnd);

// The common tail of every command: a posted WM_SIZE (0, 0) makes the window
// decode the current file again once the command is over.
void RequestReload(HWND hwnd);

// Writes folder + separator + name into `path` (`size` bytes) and returns 1;
// returns 0, writing nothing, when the whole path would not fit. A path is
// never cut: a shortened one could name another file.
int BuildImagePath(char *path, size_t size, const char *folder, const char *name);

// The name in slot `current` of the file list.
const char *CurrentFileName();
