// FindFirstFileA, FindNextFileA, FindClose.
//
// Implemented: the last component of the pattern may hold '*' and '?'
// (matched by WildcardPattern); a pattern without them finds the one entry of
// that name, letter case ignored, the exact spelling preferred; as on
// Windows, a wildcard search of a folder other than the root reports "." and
// ".." first when the pattern admits them; hidden (dot) entries are reported
// too; directories carry
// FILE_ATTRIBUTE_DIRECTORY (symbolic links are followed for that). Names are
// the application's code page 932 forms (see name_table.h); an entry whose
// form would not fit cFileName is passed over. Patterns of MAX_PATH bytes or
// more find nothing.
// Not implemented: times, sizes and 8.3 alternate names (left zero); the
// search takes the whole listing when it starts (folder_listing.h: searches
// in quick succession share one reading of an unchanged folder).
#include <cstddef>
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

// Indices of the admitted entries of a listing, in listing order.
typedef std::shared_ptr<const std::vector<uint32_t>> Found;

struct Search {
    std::shared_ptr<const FolderListing> listing;
    Found found;
    size_t next = 0;
    // "." and "..", those of them the pattern admits, reported before the entries.
    const char *dots[2] = {nullptr, nullptr};
    int dotCount = 0;
    int nextDot = 0;
};

std::mutex g_searchesMutex;
std::set<Search *> g_searches;  // the handles handed out and not yet closed

bool IsLiveSearch(Search *search)
{
    std::lock_guard<std::mutex> lock(g_searchesMutex);
    return g_searches.count(search) != 0;
}

// Every entry of the listing whose application name the last component admits.
Found MatchEntries(const std::string &last, const FolderListing &listing)
{
    // A plain name may also be the entry's own bytes: a name with no code
    // page 932 form that reached the application as UTF-8 (an argument).
    const bool plainName = !HasWildcard(last);
    const WildcardPattern pattern(last);
    auto found = std::make_shared<std::vector<uint32_t>>();
    found->reserve(listing.entries.size());  // touched only as far as it fills: no copying as it grows
    for (size_t i = 0; i < listing.entries.size(); ++i) {
        const ListedEntry &entry = listing.entries[i];
        if (entry.appLength >= MAX_PATH) continue;
        if (pattern.Matches(listing.AppName(entry)) ||
            (plainName && listing.HasOwnRealName(entry) && last == listing.RealName(entry))) {
            found->push_back(uint32_t(i));
        }
    }
    return found;
}

// The matches of the last few patterns over a kept listing: a program that
// searches the same folder twice over (counting, then collecting) matches once.
struct Matches {
    std::weak_ptr<const FolderListing> listing;
    std::string pattern;
    Found found;  // shared with the searches that use it: never copied
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
    const std::vector<uint32_t> &found = *search->found;
    const FolderListing &listing = *search->listing;
    for (size_t i = 0; i < found.size(); ++i) {
        if (listing.AppName(listing.entries[found[i]]) == last) chosen = i;
    }
    if (found.size() > 1) search->found = std::make_shared<std::vector<uint32_t>>(1, found[chosen]);
}

// "." and "..", the folder's own entries, which a wildcard search of any
// folder but the root finds on Windows when the pattern admits them.
void AdmitDots(const std::string &last, const std::string &realFolder, Search *search)
{
    if (!HasWildcard(last) || realFolder.find_first_not_of('/') == std::string::npos) return;
    const WildcardPattern pattern(last);
    for (const char *dot : {".", ".."}) {
        if (pattern.Matches(dot)) search->dots[search->dotCount++] = dot;
    }
}

bool HasMore(const Search &search)
{
    return search.nextDot < search.dotCount || search.next < search.found->size();
}

void FillDot(Search *search, LPWIN32_FIND_DATAA findData)
{
    const char *name = search->dots[search->nextDot++];
    std::memset(findData, 0, offsetof(WIN32_FIND_DATAA, cFileName));
    findData->dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    std::memcpy(findData->cFileName, name, std::strlen(name) + 1);
    std::memset(findData->cAlternateFileName, 0, sizeof findData->cAlternateFileName);
}

// Reports the search's next entry.
void FillNext(Search *search, LPWIN32_FIND_DATAA findData)
{
    if (search->nextDot < search->dotCount) return FillDot(search, findData);
    const FolderListing &listing = *search->listing;
    const ListedEntry &entry = listing.entries[(*search->found)[search->next++]];
    // As on Windows, the bytes of cFileName after the name's 0 byte are left
    // as they were: only the fields before it, the name and the 8.3 name are
    // written.
    std::memset(findData, 0, offsetof(WIN32_FIND_DATAA, cFileName));
    findData->dwFileAttributes = AttributesOf(listing, entry);
    std::memcpy(findData->cFileName, listing.AppNameText(entry), entry.appLength + 1);
    std::memset(findData->cAlternateFileName, 0, sizeof findData->cAlternateFileName);
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
    if (search->listing) {
        FindMatches(last, search);
        AdmitDots(last, realFolder, search);
    }
    if (!search->found || !HasMore(*search)) {
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
    if (!findData || !IsLiveSearch(search) || !HasMore(*search)) return FALSE;
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
