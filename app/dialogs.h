// The two modal dialogs: the slideshow interval (MYEXT) and the jump (MYEXT2).
// Each presets its state field when it opens and overwrites it only on OK.
#pragma once

#include "platform/win32.h"

// Leaves the entered interval in slideshowSeconds; 0 when cancelled.
INT_PTR CALLBACK IntervalDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Leaves the entered image number in jumpTarget; 1 when cancelled.
INT_PTR CALLBACK JumpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
