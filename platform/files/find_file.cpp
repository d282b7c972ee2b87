// FindFirstFileA, FindNextFileA, FindClose.
//
// Implemented: the last component of the pattern may hold '*' and '?'
// (matched by MatchWildcard); a pattern without them finds the one entry of
// that name, letter case ignored, the exact spelling preferred; "." and ".."
// are never reported; hidden (dot) entries are; directories carry
// FILE_ATTRIBUTE_DIRECTORY (symbolic links are followed for that). Names are
// the application's code page 932 forms (see name_table.h); an entry whose
// form would not fit cFileName is passed over. Patterns of MAX_PATH bytes or
// more find nothing.
// Not implemented: times, sizes and 8.3 alternate names (left zero); the
// search takes the whole listing when it starts.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/files/name_table.h"
#include "platform/files/real_path.h"
#include "platform/files/wildcard.h"
#include "platform/win32.h"

namespace {

struct FoundEntry {
    std::string name;
    DWORD attributes;
};

struct Search {
    std::vector<FoundEntry> entries;
    size_t next = 0;
};

std::mutex g_searchesMutex;
std::set<Search *> g_searches;  // the handles handed out and not yet closed

bool IsLiveSearch(Search *search)
{
    std::lock_guard<std::mutex> lock(g_searchesMutex);
    return g_searches.count(search) != 0;
}

DWORD AttributesOf(int folderFd, const dirent *entry)
{
    bool directory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
        struct stat info;
        directory = fstatat(folderFd, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
    }
    DWORD attributes = directory ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (entry->d_name[0] == '.') attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Every entry of the folder whose application name the last component admits.
bool ListMatches(const std::string &realFolder, const std::string &last,
                 std::vector<FoundEntry> *found)
{
    // A plain name may also be the entry's own bytes: a name with no code
    // page 932 form that reached the application as UTF-8 (an argument).
    const bool plainName = !HasWildcard(last);
    FolderKey key;
    DIR *dir = opendir(realFolder.c_str());
    if (!dir) return false;
    if (!FolderKeyOf(realFolder, &key)) {
        closedir(dir);
        return false;
    }
    while (const dirent *entry = readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name)) continue;
        std::string name = AppNameOf(key, realFolder, entry->d_name);
        bool admitted = MatchWildcard(last, name) || (plainName && last == entry->d_name);
        if (name.size() >= MAX_PATH || !admitted) continue;
        found->push_back({name, AttributesOf(dirfd(dir), entry)});
    }
    closedir(dir);
    return true;
}

// Without wildcards one entry answers: the exact spelling if present.
void KeepOneEntry(const std::string &last, std::vector<FoundEntry> *found)
{
    size_t chosen = 0;
    for (size_t i = 0; i < found->size(); ++i) {
        if ((*found)[i].name == last) chosen = i;
    }
    if (found->size() > 1) *found = {(*found)[chosen]};
}

void Fill(const FoundEntry &entry, LPWIN32_FIND_DATAA findData)
{
    std::memset(findData, 0, sizeof *findData);
    findData->dwFileAttributes = entry.attributes;
    std::memcpy(findData->cFileName, entry.name.c_str(), entry.name.size() + 1);
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA findData)
{
    if (!pattern || !findData || std::strlen(pattern) >= MAX_PATH) return INVALID_HANDLE_VALUE;
    std::string appFolder, last, realFolder;
    SplitLastComponent(pattern, &appFolder, &last);
    if (last.empty() || !ToRealPath(appFolder, &realFolder)) return INVALID_HANDLE_VALUE;

    Search *search = new Search;
    if (!ListMatches(realFolder, last, &search->entries) || search->entries.empty()) {
        delete search;
        return INVALID_HANDLE_VALUE;
    }
    if (!HasWildcard(last)) KeepOneEntry(last, &search->entries);
    Fill(search->entries[search->next++], findData);
    std::lock_guard<std::mutex> lock(g_searchesMutex);
    g_searches.insert(search);
    return search;
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA findData)
{
    Search *search = static_cast<Search *>(handle);
    if (!findData || !IsLiveSearch(search) || search->next >= search->entries.size()) return FALSE;
    Fill(search->entries[search->next++], findData);
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    Search *search = static_cast<Search *>(handle);
    {
        std::lock_guard<std::mutex> lock(g_searchesMutex);
        if (g_searches.erase(search) == 0) return FALSE;
    }
    delete search;
    return TRUE;
}
