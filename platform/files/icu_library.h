// The collation library (ICU), loaded when a name is first collated and let go
// again when the program creates a window.
//
// A viewer collates its folder's names once, at start-up, before its window
// exists. Linked for good, ICU's code, relocations and collation data would stay
// in memory for the rest of the run, about 3 MiB of a process that otherwise
// holds little more than one picture. Loaded on demand and unloaded once the
// first window is created, they are gone before the first picture is decoded;
// a later collation loads the library again.
#pragma once

#include <unicode/ucol.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <mutex>
#include <string>

// The functions the collation keys need, and the collator of the user's locale.
struct IcuLibrary {
    decltype(&ucol_getSortKey) getSortKey;
    decltype(&u_strFoldCase) foldCase;
    decltype(&unorm2_getNFKCInstance) nfkcInstance;
    decltype(&unorm2_getDecomposition) decomposition;
    decltype(&ucol_getRules) rules;
    UCollator *collator;  // never null in a loaded library
    unsigned loadCount;   // which loading this is: what was learnt from an earlier one is stale
};

// Appends ICU's sort key of the text, without its closing 0 byte.
void AppendIcuSortKey(const IcuLibrary &icu, const UChar *units, int32_t count, std::string *key);

// Holds the library in use for the scope of one collation: loads it when it is
// not loaded, and keeps UnloadIcuLibrary waiting until the scope ends.
class IcuLibraryUse {
public:
    IcuLibraryUse();
    IcuLibraryUse(const IcuLibraryUse &) = delete;
    IcuLibraryUse &operator=(const IcuLibraryUse &) = delete;

    // Null when the library or the collator cannot be had.
    const IcuLibrary *library() const { return library_; }

private:
    std::lock_guard<std::mutex> lock_;
    const IcuLibrary *library_;
};

// Closes the collator and unloads the library, if it is loaded.
void UnloadIcuLibrary();
