#include "app/start_notes.h"

#include <stdio.h>

#include "app/viewer_state.h"
#include "platform/win32.h"

#ifdef _WIN32
void ReportPathNotFound(const char *) {}
void ReportUnreadableFolder() {}
#else

// The folder as a user writes it: the root is "/", not the empty folder.
static const char *ShownFolder()
{
    return g_viewer.folder[0] ? g_viewer.folder : KOVLO_PATH_SEPARATOR_TEXT;
}

// "kovlo: PATH: WHAT", one line; paths are code page 932, as everywhere in the viewer.
static void WriteNote(const char *path, const char *what)
{
    char line[3 * MAX_PATH];
    snprintf(line, sizeof line, "kovlo: %s: %s\n", path, what);
    WriteStandardErrorA(line);
}

void ReportPathNotFound(const char *commandLineTail)
{
    char what[2 * MAX_PATH];
    snprintf(what, sizeof what, "not found; showing %s", ShownFolder());
    WriteNote(commandLineTail, what);
}

void ReportUnreadableFolder()
{
    if (!CanListFolderA(ShownFolder())) WriteNote(ShownFolder(), "permission denied");
}
#endif
