#include "tests/files/files_test_support.h"

#include <unistd.h>

#include <climits>
#include <stdexcept>

#include "app/viewer_state.h"
#include "platform/text/cp932.h"
#include "platform/win32.h"

std::string Cp932(const std::string &utf8)
{
    std::string out;
    if (!Utf8ToCp932(utf8, &out)) throw std::invalid_argument("no code page 932 form: " + utf8);
    return out;
}

std::vector<std::string> SearchNames(const std::string &pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        bool directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        names.push_back(std::string(found.cFileName) + (directory ? "/" : ""));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::vector<std::string> ListedNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < g_viewer.fileCount; ++i) {
        names.emplace_back(g_viewer.names + size_t(i) * g_viewer.nameStride);
    }
    return names;
}

CurrentDirectory::CurrentDirectory(const std::string &path)
{
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) throw std::runtime_error("getcwd failed");
    saved_ = buffer;
    if (chdir(path.c_str()) != 0) throw std::runtime_error("chdir failed: " + path);
}

CurrentDirectory::~CurrentDirectory()
{
    if (chdir(saved_.c_str()) != 0) std::abort();
}
