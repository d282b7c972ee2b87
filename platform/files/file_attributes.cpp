// GetFileAttributesA: the directory bit, hidden for dot names, read-only when
// the owner may not write; INVALID_FILE_ATTRIBUTES for what cannot be reached
// and for paths of MAX_PATH bytes or more. CanListFolderA, for the terminal
// line of a folder that may not be read.
#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "platform/files/real_path.h"
#include "platform/win32.h"

DWORD GetFileAttributesA(LPCSTR path)
{
    std::string real;
    struct stat info;
    if (!path || std::strlen(path) >= MAX_PATH || !ToRealPath(path, &real) ||
        stat(real.c_str(), &info) != 0) {
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    const char *slash = std::strrchr(path, '/');
    const char *name = slash ? slash + 1 : path;
    if (name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    if (!(info.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL CanListFolderA(LPCSTR path)
{
    std::string real;
    if (!path || std::strlen(path) >= MAX_PATH || !ToRealPath(path[0] ? path : "/", &real)) return FALSE;
    DIR *dir = opendir(real.c_str());
    if (!dir) return FALSE;
    closedir(dir);
    return TRUE;
}
