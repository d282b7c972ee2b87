// AnsiFopen: the C runtime's fopen for a code page 932 path.
//
// Only regular files open. The file is opened without blocking first, so that
// a FIFO, socket or device under a picture's name is refused at once instead
// of hanging the viewer; the flag is cleared again once fstat has shown a
// regular file. Write modes truncate only after that check. A path of
// MAX_PATH bytes or more is refused whole, never cut.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/files/real_path.h"
#include "platform/win32.h"

namespace {

// open(2) flags for an fopen mode; -1 for a mode fopen would reject.
int OpenFlags(const char *mode, bool *truncate)
{
    bool update = std::strchr(mode, '+') != nullptr;
    *truncate = mode[0] == 'w';
    switch (mode[0]) {
    case 'r': return update ? O_RDWR : O_RDONLY;
    case 'w': return (update ? O_RDWR : O_WRONLY) | O_CREAT;
    case 'a': return (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND;
    default: return -1;
    }
}

// Opens without blocking and keeps the descriptor only for a regular file.
int OpenRegularFile(const std::string &real, int flags, bool truncate)
{
    int fd = open(real.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        errno = EACCES;
        return -1;
    }
    int status = fcntl(fd, F_GETFL);
    if (status == -1 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1 ||
        (truncate && ftruncate(fd, 0) != 0)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

FILE *AnsiFopen(const char *path, const char *mode)
{
    bool truncate = false;
    int flags = mode ? OpenFlags(mode, &truncate) : -1;
    if (!path || flags == -1) {
        errno = EINVAL;
        return nullptr;
    }
    std::string real;
    if (std::strlen(path) >= MAX_PATH) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
    if (!ToRealPath(path, &real)) {
        errno = ENOENT;
        return nullptr;
    }
    int fd = OpenRegularFile(real, flags, truncate);
    if (fd < 0) return nullptr;
    FILE *file = fdopen(fd, mode);
    if (!file) close(fd);
    return file;
}
