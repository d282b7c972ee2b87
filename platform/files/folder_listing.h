// A folder's entries as the application sees them, read once and kept while
// the folder is unchanged: the searches a program makes one after the other
// (the viewer's file list makes six, over three patterns) then read the folder
// and convert its names once.
//
// A kept listing is used again only while the folder's change time is what it
// was, and only if that time lay before the clock tick in which the listing
// was read, so that a change in that same tick cannot hide behind an unchanged
// time stamp; it is also dropped after a second, for file systems whose time
// stamps cannot be trusted that far.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32.h"

// One entry; its names lie in the listing's text, each ended by a 0 byte.
// Small, since a listing may hold many thousands (a name has at most 255
// bytes, a stand-in about twice as many: 16 bits hold either length).
struct ListedEntry {
    uint32_t appAt;       // the code page 932 name (see name_table.h)
    uint16_t appLength;
    uint16_t realLength;  // the file system's own bytes, stored after the code page 932
                          // name when they differ from it; 0 when they are the same
    DWORD attributes;     // 0 for a link or an entry of unknown type: ask when reported
};

struct FolderListing {
    std::string realFolder;
    std::string text;                  // all names, one block: no allocation per entry
    std::vector<ListedEntry> entries;  // in the order the file system gives them

    std::string_view AppName(const ListedEntry &entry) const
    {
        return std::string_view(text.data() + entry.appAt, entry.appLength);
    }
    const char *AppNameText(const ListedEntry &entry) const { return text.data() + entry.appAt; }
    bool HasOwnRealName(const ListedEntry &entry) const { return entry.realLength != 0; }
    std::string_view RealName(const ListedEntry &entry) const
    {
        if (!HasOwnRealName(entry)) return AppName(entry);
        return std::string_view(text.data() + entry.appAt + entry.appLength + 1, entry.realLength);
    }
};

// The listing of a folder ("." and ".." left out); null when it cannot be read.
std::shared_ptr<const FolderListing> ListFolder(const std::string &realFolder);

// Lets go of the kept listing. The queue calls it when the thread is about to
// wait for input: the searches made one after the other are over by then, and
// a listing of many thousand names should not stay in memory for the rest of
// the program's life.
void DropKeptListing();

// The attributes of an entry, asking the file system for those left 0.
DWORD AttributesOf(const FolderListing &listing, const ListedEntry &entry);
