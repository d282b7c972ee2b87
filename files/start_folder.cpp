// Which folder the viewer shows. Off Windows the separator is '/', and the
// root "/" plays the part of a bare drive: it becomes the empty folder once its
// trailing separator goes.
#include "files/start_folder.h"

#include <stdio.h>
#include <string.h>

#include "app/viewer_state.h"
#include "files/find_last_char.h"
#include "platform/win32.h"

// The stored name of the entry `path` names (a pattern finds its first match).
static int LookUpName(const char *path, char *name)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    memcpy(name, found.cFileName, sizeof found.cFileName);
    name[MAX_PATH - 1] = 0;
    return 1;
}

// tail <- name (+ separator + old tail); 0 when it would not fit.
static int PrependComponent(char *tail, const char *name)
{
    char joined[MAX_PATH];
    int length = tail[0] ? snprintf(joined, sizeof joined, "%s%c%s", name, KOVLO_PATH_SEPARATOR, tail)
                         : snprintf(joined, sizeof joined, "%s", name);
    if (length < 0 || length >= MAX_PATH) return 0;
    memcpy(tail, joined, length + 1);
    return 1;
}

int ToLongPath(const char *fullPath, char *output, int size)
{
    char walk[MAX_PATH], tail[MAX_PATH] = "", name[MAX_PATH], result[2 * MAX_PATH];
    if (!fullPath || !output || strlen(fullPath) >= sizeof walk) return 0;
    strcpy(walk, fullPath);
    if (!LookUpName(walk, name)) return 0;
    while (walk[0]) {
        char *separator = const_cast<char *>(FindLastChar(walk, KOVLO_PATH_SEPARATOR));
        if (!separator) break;
        if (!PrependComponent(tail, name)) return 0;
        *separator = 0;
        LookUpName(walk, name);  // the last remaining part is looked up but never used
    }
    int length = snprintf(result, sizeof result, "%s%c%s", walk, KOVLO_PATH_SEPARATOR, tail);
    if (length < 0 || length >= size) return 0;
    memcpy(output, result, length + 1);
    return 1;
}

// The folder of a file: its path cut at the last separator.
static void CutToFolderOfFile(char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return;  // INVALID_FILE_ATTRIBUTES counts as a folder
    char *separator = const_cast<char *>(FindLastChar(path, KOVLO_PATH_SEPARATOR));
    if (separator) *separator = 0;
}

static void RemoveTrailingSeparator(char *path)
{
    const char *separator = FindLastChar(path, KOVLO_PATH_SEPARATOR);
    if (separator && separator[1] == 0) *const_cast<char *>(separator) = 0;
}

void ResolveStartFolder(const char *commandLineTail)
{
    g_viewer.folder[0] = 0;
    DWORD length = GetCurrentDirectoryA(MAX_PATH, g_viewer.folder);
    if (length == 0 || length >= MAX_PATH) g_viewer.folder[0] = 0;
    if (commandLineTail && commandLineTail[0]) {
        char fullPath[MAX_PATH];
        DWORD fullLength = GetFullPathNameA(commandLineTail, MAX_PATH, fullPath, NULL);
        if (fullLength > 0 && fullLength < MAX_PATH && ToLongPath(fullPath, g_viewer.folder, MAX_PATH)) {
            CutToFolderOfFile(g_viewer.folder);
        }
    }
    RemoveTrailingSeparator(g_viewer.folder);
}
