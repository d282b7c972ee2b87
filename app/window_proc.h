// The main window's procedure: which message goes to which handler.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The common tail of every command: a posted WM_SIZE (0, 0) makes the window
// decode the current file again once the command is over.
void RequestReload(HWND hwnd);
