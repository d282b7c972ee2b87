// The actual-size view's scroll bars: WM_HSCROLL and WM_VSCROLL.
#pragma once

#include "platform/win32.h"

// Moves scrollX (SB_HORZ) or scrollY (SB_VERT) by the request and shifts the
// pixels on screen, leaving only the uncovered band to be painted.
void ScrollView(HWND hwnd, int bar, int request, int thumbPosition);

// The step a request asks for, in picture pixels, from position `from`:
// lines of 10, pages of 60 (at 96 DPI; scaled with `dpi`), the thumb's place
// on release; 0 for the rest.
int RequestedScrollStep(int request, int thumbPosition, int from,
                        int dpi = USER_DEFAULT_SCREEN_DPI);

// The step limited so that from + step stays within 0..top (0 when top <= 0).
int LimitScrollStep(int step, int from, int top);

// The position the picture is shown at for a live position and a range top:
// what the next paint would draw, 0..top (0 when top <= 0).
int ShownScrollPosition(int position, int top);
