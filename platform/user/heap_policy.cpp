#include "platform/user/heap_policy.h"

#include <malloc.h>

void SetProcessAllocatorToKeepLargeBlocks()
{
#ifdef M_MMAP_MAX
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}
