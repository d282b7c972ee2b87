#include "app/start_viewer.h"

#include "app/command_line_tail.h"
#include "app/win_main.h"
#include "platform/win32.h"

#ifndef _WIN32
int StartViewer(int argc, char **argv)
{
    InitPlatform(&argc, &argv);
    const char *line = GetCommandLineA();
    // WinMain takes a mutable tail, as on Windows; the viewer never writes to it.
    char *tail = const_cast<char *>(CommandLineTail(line ? line : ""));
    return WinMain(GetModuleHandleA(NULL), NULL, tail, SW_SHOWDEFAULT);
}
#endif
