#include "platform/files/real_path.h"

#include <dirent.h>
#include <errno.h>
#include <unistd.h>

#include <vector>

#include "platform/files/name_table.h"
#include "platform/files/wildcard.h"
#include "platform/text/cp932.h"

namespace {

std::vector<std::string> Components(std::string_view path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Join(const std::string &folder, const std::string &name)
{
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The entry of the folder whose application name is `component` with letter
// case ignored, as a Windows file system finds it; empty when there is none.
std::string EntryIgnoringCase(const std::string &realFolder, const std::string &component)
{
    std::string folder = realFolder.empty() ? "." : realFolder, found;
    FolderKey key;
    DIR *dir = opendir(folder.c_str());
    if (!dir) return found;
    if (FolderKeyOf(folder, &key)) {
        while (const dirent *entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            if (MatchWildcard(component, AppNameOf(key, folder, name))) {
                found = name;
                break;
            }
        }
    }
    closedir(dir);
    return found;
}

// The file-system name of one application component inside `realFolder`:
// the stand-in's entry, else the plain conversion when such an entry exists,
// else the bytes themselves, else an entry that differs in letter case only.
std::string RealComponent(const std::string &realFolder, const std::string &component)
{
    if (component == "." || component == "..") return component;
    FolderKey key;
    std::string name = HasStandIns() && FolderKeyOf(realFolder.empty() ? "." : realFolder, &key)
                           ? RealNameOf(key, component)
                           : Cp932ToUtf8(component);
    if (EntryExists(Join(realFolder, name)) || HasWildcard(component)) return name;
    // A name with no code page 932 form that reached the application as its
    // raw UTF-8 bytes (a command-line argument) is taken as it stands.
    if (EntryExists(Join(realFolder, component))) return component;
    std::string other = EntryIgnoringCase(realFolder, component);
    return other.empty() ? name : other;
}

}  // namespace

bool ToRealPath(std::string_view appPath, std::string *realPath)
{
    if (appPath.empty()) return false;
    std::string real = appPath.front() == '/' ? "/" : "";
    for (const std::string &component : Components(appPath)) {
        real = Join(real, RealComponent(real, component));
    }
    if (appPath.back() == '/' && real.back() != '/') real += '/';
    *realPath = real;
    return true;
}

std::string ToAppPath(const std::string &realAbsolutePath)
{
    std::string real = "/";
    std::string app = "/";
    for (const std::string &component : Components(realAbsolutePath)) {
        FolderKey key;
        std::string name;
        if (FolderKeyOf(real, &key)) {
            name = AppNameOf(key, real, component);
        } else {
            Utf8ToCp932Replacing(component, "\x81\xAC", &name);  // 〓, as the table would
        }
        real = Join(real, component);
        app = Join(app, name);
    }
    return app;
}

std::string RealCurrentDirectory()
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

void SplitLastComponent(std::string_view path, std::string *folder, std::string *last)
{
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        *folder = ".";
        *last = std::string(path);
        return;
    }
    *folder = slash == 0 ? "/" : std::string(path.substr(0, slash));
    *last = std::string(path.substr(slash + 1));
}
