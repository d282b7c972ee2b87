#include "tests/reliability/process_memory.h"

#include <dirent.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>

namespace {

long long ResidentKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return 0;
    char line[256];
    long long kb = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) std::sscanf(line + 6, "%lld", &kb);
    }
    std::fclose(status);
    return kb;
}

// Entries of /proc/self/fd, less the one that reading the folder opens.
int OpenFiles()
{
    DIR *folder = opendir("/proc/self/fd");
    if (folder == nullptr) return -1;
    int count = 0;
    while (struct dirent *entry = readdir(folder)) count += entry->d_name[0] != '.';
    closedir(folder);
    return count - 1;
}

}  // namespace

MemorySample SampleMemory()
{
    struct mallinfo2 info = mallinfo2();
    MemorySample sample;
    sample.heapInUse = static_cast<long long>(info.uordblks + info.hblkhd);
    sample.residentKb = ResidentKb();
    sample.openFiles = OpenFiles();
    return sample;
}
