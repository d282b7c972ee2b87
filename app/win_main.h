// The program's entry as the Windows start-up code calls it, and the pieces of
// start-up that it is made of.
#pragma once

#include "platform/win32.h"

// Resolves the folder, lists its files, creates the main window and runs the
// message loop. Returns the exit code: 0 after the quit message, 1 when the
// folder holds no JPEG file or the window cannot be made.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLineTail,
                   int showCommand);
