// The folder's JPEG files: three searches counted, then collected, then put in
// lstrcmpiA order by a stable sort (names that compare equal stay in the order
// the searches found them).
//
// The folder may change between the two passes. The collecting pass stores at
// most the counted number of names and passes over a name too long for its
// slot, and the count is then lowered to what was stored, so every slot below
// fileCount holds a name that was found. Should both blocks not be obtained,
// the list is empty.
#include "files/file_list.h"
#include "files/file_list_passes.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "app/viewer_state.h"
#include "platform/win32.h"

static const char *const kPatterns[] = {
    KOVLO_PATH_SEPARATOR_TEXT "*.jpg",
    KOVLO_PATH_SEPARATOR_TEXT "*.jpe*",
    KOVLO_PATH_SEPARATOR_TEXT "*.jfi*",
};

// Calls `visit` for every entry that is not a folder, pattern by pattern.
static void VisitJpegEntries(EntryVisitor visit, void *context)
{
    for (const char *pattern : kPatterns) {
        char path[2 * MAX_PATH];
        snprintf(path, sizeof path, "%s%s", g_viewer.folder, pattern);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(path, &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) visit(found.cFileName, context);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

struct Count {
    int files;
    int stride;
};

static void CountEntry(const char *name, void *context)
{
    Count *count = static_cast<Count *>(context);
    size_t length = strlen(name);
    if (length >= MAX_PATH || count->files == INT_MAX) return;  // no slot could hold it
    count->files++;
    count->stride = std::max(count->stride, static_cast<int>(length) + 1);
}

struct Collection {
    char *slots;
    int capacity;
    int stride;
    int stored;
};

static void CollectEntry(const char *name, void *context)
{
    Collection *collection = static_cast<Collection *>(context);
    size_t length = strlen(name);
    if (collection->stored >= collection->capacity || length + 1 > size_t(collection->stride)) return;
    memcpy(collection->slots + size_t(collection->stored) * collection->stride, name, length);
    collection->slots[size_t(collection->stored) * collection->stride + length] = 0;
    collection->stored++;
}

// A stable sort: the slots of `scratch` in ascending lstrcmpiA order, copied
// into `sorted`; names that compare equal keep the order the search gave them.
static void StableSortSlots(const char *scratch, int count, int stride, char *sorted)
{
    std::vector<const char *> order(count);
    for (int i = 0; i < count; ++i) order[i] = scratch + size_t(i) * stride;
    std::stable_sort(order.begin(), order.end(),
                     [](const char *a, const char *b) { return lstrcmpiA(a, b) < 0; });
    for (int i = 0; i < count; ++i) memcpy(sorted + size_t(i) * stride, order[i], stride);
}

int BuildFileList(void)
{
    return BuildFileListFrom(VisitJpegEntries);
}

int BuildFileListFrom(EntrySource source)
{
    Count count = {0, 1};
    source(CountEntry, &count);
    g_viewer.fileCount = 0;
    g_viewer.nameStride = count.stride;
    if (count.files <= 0) return 0;

    size_t blockSize = size_t(count.files) * count.stride;
    Collection collection = {static_cast<char *>(malloc(blockSize)), count.files, count.stride, 0};
    if (!collection.slots) return 0;
    source(CollectEntry, &collection);
    char *names = collection.stored > 0 ? static_cast<char *>(malloc(blockSize)) : NULL;
    if (names) {
        StableSortSlots(collection.slots, collection.stored, count.stride, names);
        g_viewer.names = names;
        g_viewer.fileCount = collection.stored;
    }
    free(collection.slots);
    return g_viewer.fileCount;
}
