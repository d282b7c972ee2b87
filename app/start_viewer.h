// The viewer's entry off Windows, shared by the kovlo executable's main and by
// the replay driver.
#pragma once

// Initialises the platform from main's arguments, takes the tail of the
// rebuilt command line and runs WinMain; returns the process exit code.
int StartViewer(int argc, char **argv);
