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
// search takes the whole listing when it starts (folder_listing.h: searches
// in quick succession share one reading of an unchanged folder).
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/files/folder_listing.h"
#include "platform/files/real_path.h"
#include "platform/files/wildcard.h"
#include "platform/win32.h"

namespace {

struct Search {
    std::shared_ptr<const FolderListing> listing;
    std::vector<uint32_t> found;  // indices of the admitted entries, in listing order
    size_t next = 0;
};

std::mutex g_searchesMutex;
std::set<Search *> g_searches;  // the handles handed out and not yet closed

bool IsLiveSearch(Search *search)
{
    std::lock_guard<std::mutex> lock(g_searchesMutex);
    return g_searches.count(search) != 0;
}

// Every entry of the listing whose application name the last component admits.
std::vector<uint32_t> MatchEntries(const std::string &last, const FolderListing &listing)
{
    // A plain name may also be the entry's own bytes: a name with no code
    // page 932 form that reached the application as UTF-8 (an argument).
    const bool plainName = !HasWildcard(last);
    const WildcardPattern pattern(last);
    std::vector<uint32_t> found;
    for (size_t i = 0; i < listing.entries.size(); ++i) {
        const ListedEntry &entry = listing.entries[i];
        if (entry.appName.size() >= MAX_PATH) continue;
        if (pattern.Matches(entry.appName) || (plainName && !entry.realName.empty() && last == entry.realName)) {
            found.push_back(uint32_t(i));
        }
    }
    return found;
}

// The matches of the last few patterns over a kept listing: a program that
// searches the same folder twice over (counting, then collecting) matches once.
struct Matches {
    std::weak_ptr<const FolderListing> listing;
    std::string pattern;
    std::vector<uint32_t> found;
};

std::mutex g_matchesMutex;
std::vector<Matches> g_recentMatches;  // the newest last
const size_t kRecentMatches = 4;

void FindMatches(const std::string &last, Search *search)
{
    std::lock_guard<std::mutex> lock(g_matchesMutex);
    for (const Matches &recent : g_recentMatches) {
        if (recent.listing.lock() == search->listing && recent.pattern == last) {
            search->found = recent.found;
            return;
        }
    }
    search->found = MatchEntries(last, *search->listing);
    if (g_recentMatches.size() == kRecentMatches) g_recentMatches.erase(g_recentMatches.begin());
    g_recentMatches.push_back({search->listing, last, search->found});
}

// Without wildcards one entry answers: the exact spelling if present.
void KeepOneEntry(const std::string &last, Search *search)
{
    size_t chosen = 0;
    for (size_t i = 0; i < search->found.size(); ++i) {
        if (search->listing->entries[search->found[i]].appName == last) chosen = i;
    }
    if (search->found.size() > 1) search->found = {search->found[chosen]};
}

// Reports the search's next entry.
void FillNext(Search *search, LPWIN32_FIND_DATAA findData)
{
    const ListedEntry &entry = search->listing->entries[search->found[search->next++]];
    std::memset(findData, 0, sizeof *findData);
    findData->dwFileAttributes = AttributesOf(*search->listing, entry);
    std::memcpy(findData->cFileName, entry.appName.c_str(), entry.appName.size() + 1);
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA findData)
{
    if (!pattern || !findData || std::strlen(pattern) >= MAX_PATH) return INVALID_HANDLE_VALUE;
    std::string appFolder, last, realFolder;
    SplitLastComponent(pattern, &appFolder, &last);
    if (last.empty() || !ToRealPath(appFolder, &realFolder)) return INVALID_HANDLE_VALUE;

    Search *search = new Search;
    search->listing = ListFolder(realFolder);
    if (search->listing) FindMatches(last, search);
    if (search->found.empty()) {
        delete search;
        return INVALID_HANDLE_VALUE;
    }
    if (!HasWildcard(last)) KeepOneEntry(last, search);
    FillNext(search, findData);
    std::lock_guard<std::mutex> lock(g_searchesMutex);
    g_searches.insert(search);
    return search;
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA findData)
{
    Search *search = static_cast<Search *>(handle);
    if (!findData || !IsLiveSearch(search) || search->next >= search->found.size()) return FALSE;
    FillNext(search, findData);
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
