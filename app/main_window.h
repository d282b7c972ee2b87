// The main window: its class and its creation, centred on the desktop.
#pragma once

#include "platform/win32.h"

// The "Kovlo" class as RegisterViewerClass registers it.
WNDCLASSA ViewerClass(HINSTANCE instance);

// Registers the "Kovlo" class; returns the class atom, 0 on failure.
int RegisterViewerClass(HINSTANCE instance);

// Creates the 800 x 600 main window, centres and shows it; 1, or 0 on failure.
int CreateViewerWindow(HINSTANCE instance, int showCommand);

// Where a window `size` long starts when centred on a desktop `extent` long:
// (extent - size) / 2, truncated toward zero (also when negative).
int CentredOrigin(int extent, int size);
