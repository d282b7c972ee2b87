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

// The sort keys of all slots past their first 8 bytes (which their entries
// hold), one after the other in one heap block.
struct SortKeys {
    char *bytes;
    size_t used;
    size_t capacity;
};

// One slot in the sort (16 bytes, as there may be many thousands): the first
// bytes of its key as a number, so that most comparisons are settled without
// walking the keys.
struct SortEntry {
    uint64_t head;    // the key's first 8 bytes, big-endian, 0 past its end
    uint32_t restAt;  // where the rest of the key is kept, when head does not hold it all
    int slot;
};

// Room for `size` more bytes; the block grows by doubling (realloc can move
// a large block without copying it).
static bool MakeRoom(SortKeys *keys, size_t size)
{
    if (keys->used + size <= keys->capacity) return true;
    size_t capacity = std::max(keys->capacity * 2, keys->used + size);
    char *bytes = static_cast<char *>(realloc(keys->bytes, capacity));
    if (!bytes) return false;
    keys->bytes = bytes;
    keys->capacity = capacity;
    return true;
}

// A sort key made: its bytes and their number, the closing 0 byte included;
// size 0 when none could be made.
struct Key {
    const char *bytes;
    int size;
};

// The sort key of `name` in `buffer` (LCMapStringA: the keys of lstrcmpiA's
// own order, so that the sort compares bytes instead of collating every
// pair). A key too long for the buffer goes to `large`.
static Key SortKeyOf(const char *name, char *buffer, int room, std::vector<char> *large)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    Key key = {buffer, LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, buffer, room)};
    if (key.size > 0) return key;
    int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, NULL, 0);
    if (size <= 0) return key;
    large->resize(size);
    key.bytes = large->data();
    key.size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name, -1, large->data(), size) == size ? size : 0;
    return key;
}

// The first 8 bytes of a key as a number that orders as they do.
static uint64_t HeadOf(const char *key)
{
    uint64_t head = 0;
    for (int i = 0; i < 8 && key[i]; ++i) head |= uint64_t(static_cast<unsigned char>(key[i])) << (56 - 8 * i);
    return head;
}

// The entry of one slot: the head of its key, and the rest kept in `keys`.
static bool AddSortEntry(Key key, int slot, SortKeys *keys, SortEntry *entry)
{
    entry->head = HeadOf(key.bytes);
    entry->restAt = 0;
    entry->slot = slot;
    if (key.size <= 8) return true;  // the head holds it all
    size_t rest = size_t(key.size) - 8;
    if (keys->used > UINT32_MAX || !MakeRoom(keys, rest)) return false;
    entry->restAt = uint32_t(keys->used);
    memcpy(keys->bytes + keys->used, key.bytes + 8, rest);
    keys->used += rest;
    return true;
}

// An entry for each slot; false should a key not be made.
static bool MakeSortEntries(const char *scratch, int count, int stride, SortKeys *keys, SortEntry *entries)
{
    const size_t typicalRest = 32;  // a key is about three bytes per character
    if (!MakeRoom(keys, size_t(count) * typicalRest)) return false;
    char buffer[1024];  // enough for any name but the longest
    std::vector<char> large;
    for (int i = 0; i < count; ++i) {
        Key key = SortKeyOf(scratch + size_t(i) * stride, buffer, sizeof buffer, &large);
        if (key.size <= 0 || !AddSortEntry(key, i, keys, &entries[i])) return false;
    }
    return true;
}

// Puts `count` entries in the order of their heads, stably: a radix sort from
// the lowest byte up, one byte a pass, passing over bytes that every head
// shares. `spare` has room for as many entries.
static void SortByHead(SortEntry *entries, size_t count, SortEntry *spare)
{
    SortEntry *from = entries, *to = spare;
    for (int shift = 0; shift < 64; shift += 8) {
        size_t starts[257] = {0};
        for (size_t i = 0; i < count; ++i) starts[((from[i].head >> shift) & 0xFF) + 1]++;
        if (std::find(starts + 1, starts + 257, count) != starts + 257) continue;
        for (int b = 0; b < 256; ++b) starts[b + 1] += starts[b];
        for (size_t i = 0; i < count; ++i) to[starts[(from[i].head >> shift) & 0xFF]++] = from[i];
        std::swap(from, to);
    }
    if (from != entries) std::copy(from, from + count, entries);
}

static void SortTies(SortEntry *entries, size_t count, const char *rests, SortEntry *spare);

// Puts a run of entries whose keys agree up to where their rests begin in the
// order of their rests: a short run by comparing them, a long one by the
// next 8 bytes as new heads, and so on.
static void SortRests(SortEntry *run, size_t count, const char *rests, SortEntry *spare)
{
    const size_t shortRun = 32;
    if (count < shortRun) {
        std::stable_sort(run, run + count, [rests](const SortEntry &a, const SortEntry &b) {
            return strcmp(rests + a.restAt, rests + b.restAt) < 0;
        });
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        run[i].head = HeadOf(rests + run[i].restAt);
        run[i].restAt += 8;  // read only when the new head holds 8 bytes of the key
    }
    SortByHead(run, count, spare);
    SortTies(run, count, rests, spare);
}

// Puts each run of equal heads in the order of the rest of their keys. A key
// is read as ending at its first 0 byte, so a head whose last byte is 0 holds
// the whole key: such a run is of equal keys and keeps the order found. (Only
// the word-sort level of a name of over 255 weighted characters can hold a 0
// byte before the key's end; such names then keep the order found too.)
static void SortTies(SortEntry *entries, size_t count, const char *rests, SortEntry *spare)
{
    for (size_t first = 0, last = 0; first < count; first = last) {
        for (last = first + 1; last < count && entries[last].head == entries[first].head;) ++last;
        if (last - first > 1 && (entries[first].head & 0xFF)) SortRests(entries + first, last - first, rests, spare);
    }
}

// The slots in their order: by their sort keys, or by lstrcmpiA should a key
// not be made; a stable sort either way, so equal names keep the order found.
static void SortSlots(const char *scratch, int count, int stride, std::vector<SortEntry> *entries)
{
    SortKeys keys = {NULL, 0, 0};
    entries->resize(count);
    if (MakeSortEntries(scratch, count, stride, &keys, entries->data())) {
        std::vector<SortEntry> spare(count);
        SortByHead(entries->data(), count, spare.data());
        SortTies(entries->data(), count, keys.bytes, spare.data());
    } else {
        for (int i = 0; i < count; ++i) (*entries)[i].slot = i;
        std::stable_sort(entries->begin(), entries->end(), [&](const SortEntry &a, const SortEntry &b) {
            return lstrcmpiA(scratch + size_t(a.slot) * stride, scratch + size_t(b.slot) * stride) < 0;
        });
    }
    free(keys.bytes);
}

// A stable sort: the slots of `scratch` in ascending lstrcmpiA order, copied
// into `sorted`; names that compare equal keep the order the search gave them.
static void StableSortSlots(const char *scratch, int count, int stride, char *sorted)
{
    std::vector<SortEntry> entries;
    SortSlots(scratch, count, stride, &entries);
    for (int i = 0; i < count; ++i) {
        memcpy(sorted + size_t(i) * stride, scratch + size_t(entries[i].slot) * stride, stride);
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
