#include "platform/files/real_path.h"

#include <errno.h>
#include <unistd.h>

#include <vector>

#include "platform/files/name_table.h"
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

// The file-system name of one application component inside `realFolder`.
std::string RealComponent(const std::string &realFolder, const std::string &component)
{
    FolderKey key;
    if (component == "." || component == ".." || !HasStandIns() ||
        !FolderKeyOf(realFolder.empty() ? "." : realFolder, &key)) {
        return Cp932ToUtf8(component);
    }
    return RealNameOf(key, component);
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
