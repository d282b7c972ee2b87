#include "app/start_viewer.h"

#include <stdio.h>
#include <string.h>

#include "app/command_line_tail.h"
#include "app/win_main.h"
#include "platform/win32.h"

#ifndef _WIN32
static const char kUsage[] =
    "usage: kovlo [FOLDER | FILE]\n"
    "       kovlo --help | --version\n"
    "Shows the JPEG photographs of FOLDER (of the folder that holds FILE; without\n"
    "an argument, of the current directory) one at a time, in name order.\n"
    "A folder named like an option is given as ./--help.\n"
    "\n"
    "Keys:\n"
    "  Space / BackSpace  next / previous picture, wrapping around\n"
    "  Left / Right       a quarter turn counter-clockwise / clockwise\n"
    "  Shift              fit to window / actual size with scroll bars\n"
    "  J                  jump to picture N\n"
    "  T                  slideshow of 1-999 seconds a picture; T again stops it\n"
    "  R                  decode the current file again\n"
    "  Esc                quit\n";

// --help and --version, answered before the platform or the viewer reads the
// command line (no display is needed); -1 for any other arguments.
static int AnswerInformationOption(int argc, char **argv)
{
    if (argc != 2) return -1;
    if (strcmp(argv[1], "--help") == 0) return fputs(kUsage, stdout) < 0;
    if (strcmp(argv[1], "--version") == 0) return printf("kovlo %s\n", KOVLO_VERSION) < 0;
    return -1;
}

int StartViewer(int argc, char **argv)
{
    int answered = AnswerInformationOption(argc, argv);
    if (answered >= 0) return answered;
    InitPlatform(&argc, &argv);
    const char *line = GetCommandLineA();
    // WinMain takes a mutable tail, as on Windows; the viewer never writes to it.
    char *tail = const_cast<char *>(CommandLineTail(line ? line : ""));
    return WinMain(GetModuleHandleA(NULL), NULL, tail, SW_SHOWDEFAULT);
}
#endif
