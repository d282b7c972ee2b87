#include "platform/files/name_table.h"

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <utility>

#include "platform/text/cp932.h"

namespace {

const char kStandInMark[] = "\x81\xAC";  // 〓, for a character with no code page 932 form

struct FolderNames {
    std::map<std::string, std::string> standInOf;  // real name -> stand-in
    std::map<std::string, std::string> realOf;     // stand-in -> real name
};

std::mutex g_mutex;
std::map<std::pair<dev_t, ino_t>, FolderNames> g_folders;
bool g_hasStandIns = false;

// The n-th candidate: the base, then "~n" before the extension (a leading dot
// of a hidden name is not an extension).
std::string Candidate(const std::string &base, int n)
{
    if (n == 1) return base;
    size_t dot = base.rfind('.');  // '.' is never a trail byte, so a byte search is safe
    if (dot == std::string::npos || dot == 0) dot = base.size();
    return base.substr(0, dot) + "~" + std::to_string(n) + base.substr(dot);
}

// A stand-in that neither another stand-in nor a plainly named entry of the
// folder already uses.
std::string NewStandIn(FolderNames &names, const std::string &realFolder, const std::string &realName)
{
    std::string base;
    Utf8ToCp932Replacing(realName, kStandInMark, &base);
    for (int n = 1;; ++n) {
        std::string candidate = Candidate(base, n);
        if (names.realOf.count(candidate)) continue;
        std::string plain = Cp932ToUtf8(candidate);
        if (plain != realName && EntryExists(realFolder + "/" + plain)) continue;
        return candidate;
    }
}

}  // namespace

bool EntryExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

bool FolderKeyOf(const std::string &realFolder, FolderKey *key)
{
    struct stat info;
    if (stat(realFolder.empty() ? "/" : realFolder.c_str(), &info) != 0) return false;
    *key = {info.st_dev, info.st_ino};
    return true;
}

std::string AppNameOf(const FolderKey &key, const std::string &realFolder,
                      const std::string &realName)
{
    if (IsAscii(realName)) return realName;  // the same bytes in both, 0x5C and 0x7E included
    std::string plain;
    if (Utf8ToCp932(realName, &plain) && Cp932ToUtf8(plain) == realName) return plain;

    std::lock_guard<std::mutex> lock(g_mutex);
    FolderNames &names = g_folders[{key.device, key.inode}];
    auto known = names.standInOf.find(realName);
    if (known != names.standInOf.end()) return known->second;
    std::string standIn = NewStandIn(names, realFolder, realName);
    names.standInOf[realName] = standIn;
    names.realOf[standIn] = realName;
    g_hasStandIns = true;
    return standIn;
}

std::string RealNameOf(const FolderKey &key, const std::string &appName)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto folder = g_folders.find({key.device, key.inode});
        if (folder != g_folders.end()) {
            auto known = folder->second.realOf.find(appName);
            if (known != folder->second.realOf.end()) return known->second;
        }
    }
    return Cp932ToUtf8(appName);
}

bool HasStandIns()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_hasStandIns;
}
