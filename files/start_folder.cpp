// Which folder the viewer shows. Off Windows the separator is '/', and the
// root "/" plays the part of a bare drive: it becomes the empty folder once its
// trailing separator goes.
//
// The argument is taken as people type it and file managers pass it: a path
// wrapped in one pair of double quotes (what a shell passes for a path with
// blanks) names the path inside, and a trailing separator (what completion
// adds) names the folder before it, except on a root.
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

// The last component of `path` as it is written: the name of an entry that
// cannot be looked up (its folder may be searched by its owner only).
static void CopyLastComponent(const char *path, char *name)
{
    const char *separator = FindLastChar(path, KOVLO_PATH_SEPARATOR);
    snprintf(name, MAX_PATH, "%s", separator ? separator + 1 : path);
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
        // The last remaining part is looked up but never used.
        if (!LookUpName(walk, name)) CopyLastComponent(walk, name);
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

// The separator that ends `path`, or NULL (a 0x5C second byte is none).
static char *TrailingSeparator(char *path)
{
    char *separator = const_cast<char *>(FindLastChar(path, KOVLO_PATH_SEPARATOR));
    return separator && separator[1] == 0 ? separator : NULL;
}

static void RemoveTrailingSeparator(char *path)
{
    char *separator = TrailingSeparator(path);
    if (separator) *separator = 0;
}

// "pics/" names pics. A root ("/", "C:\") keeps its separator: without it no
// separator would be left, and the root names no entry.
static void RemoveSeparatorBelowRoot(char *fullPath)
{
    char *separator = TrailingSeparator(fullPath);
    if (!separator) return;
    *separator = 0;
    if (!FindLastChar(fullPath, KOVLO_PATH_SEPARATOR)) *separator = KOVLO_PATH_SEPARATOR;
}

// The path inside one pair of double quotes that wrap the whole tail, else
// the tail as it is.
static const char *Unquoted(const char *tail, char *inside, size_t size)
{
    size_t length = strlen(tail);
    if (length < 2 || tail[0] != '"' || tail[length - 1] != '"' || length - 2 >= size) return tail;
    if (memchr(tail + 1, '"', length - 2)) return tail;  // more than one pair
    memcpy(inside, tail + 1, length - 2);
    inside[length - 2] = 0;
    return inside;
}

// The folder (or the file) the tail names, in long-name form; 0 when it names nothing.
static int ResolveArgument(const char *tail, char *folder)
{
    char inside[2 * MAX_PATH], fullPath[MAX_PATH];
    DWORD length = GetFullPathNameA(Unquoted(tail, inside, sizeof inside), MAX_PATH, fullPath, NULL);
    if (length == 0 || length >= MAX_PATH) return 0;
    RemoveSeparatorBelowRoot(fullPath);
    return ToLongPath(fullPath, folder, MAX_PATH);
}

int ResolveStartFolder(const char *commandLineTail)
{
    g_viewer.folder[0] = 0;
    DWORD length = GetCurrentDirectoryA(MAX_PATH, g_viewer.folder);
    if (length == 0 || length >= MAX_PATH) g_viewer.folder[0] = 0;
    int used = 1;
    if (commandLineTail && commandLineTail[0]) {
        used = ResolveArgument(commandLineTail, g_viewer.folder);
        if (used) CutToFolderOfFile(g_viewer.folder);
    }
    RemoveTrailingSeparator(g_viewer.folder);
    return used;
}
