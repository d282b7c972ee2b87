// The folder's JPEG files: three searches counted, then collected, then put in
// lstrcmpiA order by a stable sort (names that compare equal stay in the order
// the searches found them). The sort compares the names' sort keys, made once
// per name, rather than collating each pair again.
//
// The folder may change between the two passes. The collecting pass stores at
// most the counted number of names and passes over a name too long for its
// slot, and the count is then lowered to what was stored, so every slot below
// fileCount holds a name that was found. Should both blocks not be obtained,
// the list is empty.
#include "files/file_list.h"
#include "files/file_list_passes.h"

#include <limits.h>
#include <stdint.h>
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

// Appends the sort key of `name` (LCMapStringA: the keys of lstrcmpiA's own
// order, so that the sort compares bytes instead of collating every pair).
static bool AppendSortKey(const char *name, std::vector<char> *keys)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    char key[1024];
    int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, key, sizeof key);
    if (size > 0) {
        keys->insert(keys->end(), key, key + size);
        return true;
    }
    size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, NULL, 0);
    if (size <= 0) return false;
    size_t at = keys->size();
    keys->resize(at + size);
    return LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, keys->data() + at, size) == size;
}

// The sort keys of all slots, one after the other, and where each begins;
// false should a key not be made.
static bool MakeSortKeys(const char *scratch, int count, int stride, std::vector<char> *keys,
                         std::vector<size_t> *keyAt)
{
    keyAt->resize(count);
    for (int i = 0; i < count; ++i) {
        (*keyAt)[i] = keys->size();
        if (!AppendSortKey(scratch + size_t(i) * stride, keys)) return false;
    }
    return true;
}

// One slot in the sort: the first bytes of its key as a number, so that most
// comparisons are settled without walking the keys.
struct SortEntry {
    uint64_t head;     // the key's first 8 bytes, big-endian, 0 past its end
    const char *rest;  // the key from its ninth byte; NULL when it ends within head
    int slot;
};

static SortEntry SortEntryOf(const char *key, int slot)
{
    SortEntry entry = {0, NULL, slot};
    int i = 0;
    for (; i < 8 && key[i]; ++i) {
        entry.head |= uint64_t(static_cast<unsigned char>(key[i])) << (56 - 8 * i);
    }
    if (i == 8) entry.rest = key + 8;
    return entry;
}

// Equal heads end within the head together or not at all.
static bool KeyBefore(const SortEntry &a, const SortEntry &b)
{
    if (a.head != b.head) return a.head < b.head;
    return a.rest && strcmp(a.rest, b.rest) < 0;
}

// The slots' order: by their sort keys, or by lstrcmpiA should a key not be
// made; a stable sort either way, so equal names keep the order found.
static std::vector<int> SortedOrder(const char *scratch, int count, int stride)
{
    std::vector<int> order(count);
    std::vector<char> keys;
    std::vector<size_t> keyAt;
    if (MakeSortKeys(scratch, count, stride, &keys, &keyAt)) {
        std::vector<SortEntry> entries(count);
        for (int i = 0; i < count; ++i) entries[i] = SortEntryOf(keys.data() + keyAt[i], i);
        std::stable_sort(entries.begin(), entries.end(), KeyBefore);
        for (int i = 0; i < count; ++i) order[i] = entries[i].slot;
    } else {
        for (int i = 0; i < count; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return lstrcmpiA(scratch + size_t(a) * stride, scratch + size_t(b) * stride) < 0;
        });
    }
    return order;
}

// A stable sort: the slots of `scratch` in ascending lstrcmpiA order, copied
// into `sorted`; names that compare equal keep the order the search gave them.
static void StableSortSlots(const char *scratch, int count, int stride, char *sorted)
{
    std::vector<int> order = SortedOrder(scratch, count, stride);
    for (int i = 0; i < count; ++i) {
        memcpy(sorted + size_t(i) * stride, scratch + size_t(order[i]) * stride, stride);
    }
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
