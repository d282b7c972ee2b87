#include "platform/files/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <mutex>

#include "platform/files/name_table.h"
#include "platform/text/cp932.h"

namespace {

const long kKeepNanoseconds = 1000000000L;

struct KeptListing {
    std::shared_ptr<const FolderListing> listing;
    dev_t device = 0;
    ino_t inode = 0;
    timespec changed = {0, 0};
    timespec readAt = {0, 0};  // monotonic
};

std::mutex g_keptMutex;
KeptListing g_kept;

bool Before(const timespec &a, const timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

bool Same(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

timespec Now(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return now;
}

long NanosecondsSince(const timespec &then)
{
    timespec now = Now(CLOCK_MONOTONIC);
    return (now.tv_sec - then.tv_sec) * 1000000000L + (now.tv_nsec - then.tv_nsec);
}

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

DWORD AttributesFor(bool directory, const char *name)
{
    DWORD attributes = directory ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (name[0] == '.') attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// What the entry's type tells without asking; 0 when it must be asked.
DWORD KnownAttributes(const dirent *entry)
{
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) return 0;
    return AttributesFor(entry->d_type == DT_DIR, entry->d_name);
}

// Appends `name` and its closing 0 byte to the listing's text; returns where
// it begins.
uint32_t AppendName(std::string_view name, FolderListing *listing)
{
    uint32_t at = uint32_t(listing->text.size());
    listing->text.append(name.data(), name.size());
    listing->text.push_back(0);
    return at;
}

// Adds one entry. An ASCII name is the same bytes for the application, and is
// stored once without asking the name table.
void AddEntry(const FolderKey &key, const dirent *entry, FolderListing *listing)
{
    std::string_view realName(entry->d_name);
    ListedEntry listed = {0, uint16_t(realName.size()), 0, KnownAttributes(entry)};
    if (IsAscii(realName)) {
        listed.appAt = AppendName(realName, listing);
    } else {
        std::string appName = AppNameOf(key, listing->realFolder, entry->d_name);
        listed.appAt = AppendName(appName, listing);
        listed.appLength = uint16_t(appName.size());
        if (appName != realName) {
            AppendName(realName, listing);  // right after the code page 932 name
            listed.realLength = uint16_t(realName.size());
        }
    }
    listing->entries.push_back(listed);
}

// Room for the entries the folder's size suggests, so that the listing
// seldom grows (and copies itself) while it is read. Most file systems give a
// folder at least as many bytes as its names take, ext4 8 bytes more an entry
// and rounded up to 4; a guess either way only costs time, and room never
// filled is never touched.
void ReserveFor(DIR *dir, FolderListing *listing)
{
    const off_t kMostReserved = 64 << 20;
    struct stat info;
    if (fstat(dirfd(dir), &info) != 0 || info.st_size <= 0) return;
    off_t bytes = std::min<off_t>(info.st_size, kMostReserved);
    listing->text.reserve(size_t(bytes));
    listing->entries.reserve(size_t(bytes / 24));
}

// Reads the folder; `info` receives its state after the reading.
std::shared_ptr<FolderListing> ReadFolder(const std::string &realFolder, struct stat *info)
{
    FolderKey key;
    DIR *dir = opendir(realFolder.c_str());
    if (!dir) return nullptr;
    if (!FolderKeyOf(realFolder, &key)) {
        closedir(dir);
        return nullptr;
    }
    auto listing = std::make_shared<FolderListing>();
    listing->realFolder = realFolder;
    ReserveFor(dir, listing.get());
    bool fits = true;  // the text's offsets are 32 bits
    while (const dirent *entry = readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name)) continue;
        fits = listing->text.size() < (1u << 31);
        if (!fits) break;
        AddEntry(key, entry, listing.get());
    }
    bool stated = fstat(dirfd(dir), info) == 0;
    closedir(dir);
    return stated && fits ? listing : nullptr;
}

std::shared_ptr<const FolderListing> KeptListingOf(const std::string &realFolder)
{
    struct stat info;
    if (stat(realFolder.c_str(), &info) != 0) return nullptr;
    std::lock_guard<std::mutex> lock(g_keptMutex);
    const KeptListing &kept = g_kept;
    if (!kept.listing || kept.listing->realFolder != realFolder) return nullptr;
    if (kept.device != info.st_dev || kept.inode != info.st_ino || !Same(kept.changed, info.st_ctim)) {
        return nullptr;
    }
    return NanosecondsSince(kept.readAt) < kKeepNanoseconds ? kept.listing : nullptr;
}

}  // namespace

std::shared_ptr<const FolderListing> ListFolder(const std::string &realFolder)
{
    if (auto kept = KeptListingOf(realFolder)) return kept;
    timespec tick = Now(CLOCK_REALTIME_COARSE);  // the tick a change now would be stamped with
    timespec readAt = Now(CLOCK_MONOTONIC);
    struct stat info;
    std::shared_ptr<FolderListing> listing = ReadFolder(realFolder, &info);
    if (listing && Before(info.st_ctim, tick)) {
        std::lock_guard<std::mutex> lock(g_keptMutex);
        g_kept = {listing, info.st_dev, info.st_ino, info.st_ctim, readAt};
    }
    return listing;
}

void DropKeptListing()
{
    std::lock_guard<std::mutex> lock(g_keptMutex);
    g_kept = {};
}

DWORD AttributesOf(const FolderListing &listing, const ListedEntry &entry)
{
    if (entry.attributes) return entry.attributes;
    std::string name(listing.RealName(entry));
    struct stat info;
    std::string path = listing.realFolder + "/" + name;
    return AttributesFor(stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode), name.c_str());
}
