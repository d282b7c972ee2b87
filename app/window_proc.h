// The main window's procedure: which message goes to which handler.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
