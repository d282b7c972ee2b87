// Which file-system name stands behind each name the application sees.
//
// File names on disk are UTF-8 (or any bytes); the application sees code page
// 932. A name that converts there and back unchanged is simply converted. Any
// other name (é, emoji, bytes that are not UTF-8, characters that code page 932
// folds together) gets a stand-in: its code page 932 form with "〓" for each
// character that has none, made unique within its folder with "~2", "~3", ...
// before the extension. The stand-in is remembered per folder (by device and
// inode, so every spelling of the folder's path finds it) for the rest of the
// process, so a listed name always opens the entry it was listed for.
#pragma once

#include <sys/types.h>

#include <string>

struct FolderKey {
    dev_t device;
    ino_t inode;
};

// The key of an existing folder; false when it cannot be read.
bool FolderKeyOf(const std::string &realFolder, FolderKey *key);

// The name under which the application sees entry `realName` of the folder.
std::string AppNameOf(const FolderKey &key, const std::string &realFolder,
                      const std::string &realName);

// The file-system name behind `appName` in the folder: the entry a stand-in
// was made for, or else the plain conversion of the name.
std::string RealNameOf(const FolderKey &key, const std::string &appName);

// Whether the entry exists, a dangling link included.
bool EntryExists(const std::string &path);

// True when some stand-in has been made (paths need the table only then).
bool HasStandIns();
