// What the benchmarks share: the floor no viewer can beat (the library's bare
// decode) and the whole viewer started on the headless host.
#pragma once

#include <string>

#include "platform/win32.h"

// Opens `path`, decodes every row at 1/denominator into one reused row and
// closes it: no pixel block, no conversion.
void DecodeOnly(const std::string &path, unsigned denominator);

// The viewer on `folder` (a file system path), as its start-up makes it on the
// headless host as configured: the file list, the window, its first picture.
HWND StartHeadlessViewer(const std::string &folder);
