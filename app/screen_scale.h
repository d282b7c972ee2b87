// The screen's scale. The viewer's sizes are pixels of a 96-DPI screen; on a
// scaled screen the window's DPI (GetDpiForWindow) multiplies them, so that
// the window, the status strip, its text and the scroll steps keep their
// size to the eye while the picture gets every device pixel. At 96 DPI every
// size is the one given.
#pragma once

#include "platform/win32.h"

// The window's DPI: GetDpiForWindow, looked up by name since Windows has it
// from Windows 10 1607 on; before that, 96.
int WindowDpi(HWND hwnd);

// pixels96 at `dpi`, rounded as MulDiv rounds.
int ScaleForDpi(int pixels96, int dpi);

// The status strip's height at `dpi`: StatusStripHeight at 96.
int StripHeightForDpi(int dpi);

// The strip's font for the window's DPI when the device context's own font is
// made for another one (the default font follows the system's DPI, a window
// on another monitor has its own), else null: the context's font is used as
// it is. The caller selects it and deletes it when the paint ends.
HFONT CreateStripFont(HDC dc, int dpi);

// WM_DPICHANGED: the window takes the rectangle Windows suggests for the new
// DPI and decodes again for its new size; the next paint makes the font anew.
void HandleDpiChanged(HWND hwnd, const RECT *suggested);
