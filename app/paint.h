// The main window's WM_PAINT: title, picture and status strip, drawn from the
// viewer state alone.
#pragma once

#include "platform/win32.h"

void PaintViewer(HWND hwnd);

// Room for the longest text a paint composes: the slideshow title with a
// ten-digit count, a three-digit interval and a 259-byte folder is 334 bytes;
// a name line with a 259-byte name stays below 300. wsprintfA writes at most
// 1024 bytes, so this buffer can never be overrun.
constexpr int kPaintTextSize = 1024;
