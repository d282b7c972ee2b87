// FindFirstFileA and FindNextFileA with the viewer's three patterns (and "*")
// in a folder the program fills: every JPEG extension in both cases, names
// that only look like one (x.jpg.bak, x.jpgx), names with several dots, a
// double-byte name and a folder with a JPEG extension. The file system lists
// in an order of its own, so the matches are printed sorted by their bytes;
// a folder is marked "/".
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/conformance/conformance.h"
#include "tests/conformance/host.h"

using namespace conformance;

namespace {

const std::string kSeparator = KOVLO_PATH_SEPARATOR_TEXT;

std::vector<std::string> FileNames()
{
    const char *const extensions[] = {"jpg", "JPG", "Jpg", "jpeg", "JPEG", "jpe", "JPE",
                                      "jfif", "JFIF", "jfi", "JFI", "jp", "jpgx", "jpe_", "jfi2"};
    std::vector<std::string> names;
    for (const char *extension : extensions) names.push_back(std::string("x.") + extension);
    for (const char *name : {"x.jpg.bak", "x.jpeg.bak", "x.jfif.old", "a.b.c.jpg", "a..jpg",
                             "a.jpg.jpg", ".jpg", "xjpg", "\x83\x5C.jpg", "\x95\x5C.JPEG"})
        names.push_back(name);
    return names;
}

bool MakeFile(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "wb");
    return file != nullptr && fclose(file) == 0;
}

void PrintMatches(const std::string &folder, const char *pattern)
{
    std::vector<std::string> matches;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + kSeparator + pattern).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            matches.push_back(Escaped(found.cFileName) + (isFolder ? "/" : ""));
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(matches.begin(), matches.end());
    std::string line;
    for (const std::string &match : matches) line += " " + match;
    Print("%s: %u%s\n", pattern, unsigned(matches.size()), line.c_str());
}

}  // namespace

void PrintFind()
{
    std::string scratch = MakeScratchFolder();
    std::string folder = scratch + kSeparator + "find";
    bool made = !scratch.empty() && MakeFolder(folder) && MakeFolder(folder + kSeparator + "dir.jpg");
    for (const std::string &name : FileNames()) made = made && MakeFile(folder + kSeparator + name);
    if (!made) Print("cannot make the folder's files\n");
    for (const char *pattern : {"*.jpg", "*.jpe*", "*.jfi*", "*"}) PrintMatches(folder, pattern);
    // A pattern that matches nothing, and a folder that does not exist.
    WIN32_FIND_DATAA found;
    HANDLE none = FindFirstFileA((folder + kSeparator + "*.png").c_str(), &found);
    Print("*.png: %s\n", none == INVALID_HANDLE_VALUE ? "INVALID_HANDLE_VALUE" : "a handle");
    if (none != INVALID_HANDLE_VALUE) FindClose(none);
    HANDLE missing = FindFirstFileA((folder + kSeparator + "no" + kSeparator + "*.jpg").c_str(), &found);
    Print("no folder: %s\n", missing == INVALID_HANDLE_VALUE ? "INVALID_HANDLE_VALUE" : "a handle");
    if (missing != INVALID_HANDLE_VALUE) FindClose(missing);
    RemoveScratch(scratch);
}
