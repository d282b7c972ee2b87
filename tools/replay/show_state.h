// The `show` command's output: the window and every field of the viewer's
// state, one "name: value" line each, texts in UTF-8.
#pragma once

#include <string>

#include "platform/win32.h"

std::string DescribeViewer(HWND mainWindow);
