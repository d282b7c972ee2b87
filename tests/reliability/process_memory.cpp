#include "tests/reliability/process_memory.h"

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

}  // namespace

MemorySample SampleMemory()
{
    struct mallinfo2 info = mallinfo2();
    MemorySample sample;
    sample.heapInUse = static_cast<long long>(info.uordblks + info.hblkhd);
    sample.residentKb = ResidentKb();
    return sample;
}
