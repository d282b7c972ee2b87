// GetCurrentDirectoryA and GetFullPathNameA on names relative to a folder the
// program makes: ".", "..", a trailing separator, doubled separators, the
// root, and names whose second byte is 0x5C. The inputs are written with the
// system's separator ('\' on Windows, '/' off it). Printed: the answer with
// the folder made for the run as <base> and the rest as host.h's PortablePath
// gives it (no drive, '\' between names), the file part, and whether the
// length answered is the text's.
#include <cstring>
#include <string>
#include <vector>

#include "tests/conformance/conformance.h"
#include "tests/conformance/host.h"

using namespace conformance;

namespace {

const std::string kSeparator = KOVLO_PATH_SEPARATOR_TEXT;

// `pattern` with every '|' turned into the separator.
std::string WithSeparators(const std::string &pattern)
{
    std::string out;
    for (char c : pattern) out += c == '|' ? kSeparator : std::string(1, c);
    return out;
}

std::string Printable(const std::string &path, const std::string &base)
{
    std::string portable = PortablePath(path), portableBase = PortablePath(base);
    if (portable.compare(0, portableBase.size(), portableBase) == 0)
        portable = "<base>" + portable.substr(portableBase.size());
    return Escaped(portable);
}

void PrintFullPath(const std::string &input, const std::string &shown, const std::string &base)
{
    char buffer[MAX_PATH];
    char *filePart = nullptr;
    DWORD answer = GetFullPathNameA(input.c_str(), MAX_PATH, buffer, &filePart);
    if (answer == 0 || answer >= MAX_PATH) {
        Print("GetFullPathNameA \"%s\" -> %u\n", Escaped(shown).c_str(), unsigned(answer));
        return;
    }
    // The folder made for the run is named after the process: printed as such.
    std::string baseName = base.substr(base.rfind(KOVLO_PATH_SEPARATOR) + 1);
    std::string part = !filePart ? std::string("(none)")
                       : baseName == filePart ? std::string("<base name>")
                                              : Escaped(filePart);
    Print("GetFullPathNameA \"%s\" -> %s, file part %s, length %s\n", Escaped(shown).c_str(),
          Printable(buffer, base).c_str(), part.c_str(),
          answer == std::strlen(buffer) ? "right" : Format("%u", unsigned(answer)).c_str());
    // One byte too few: the size needed, terminator included, and nothing written.
    DWORD needed = DWORD(std::strlen(buffer));
    std::memset(buffer, '~', sizeof buffer);
    answer = GetFullPathNameA(input.c_str(), needed, buffer, &filePart);
    if (answer != needed + 1 || buffer[0] != '~')
        Print("  with %u bytes -> %u, %s\n", unsigned(needed), unsigned(answer),
              buffer[0] == '~' ? "nothing written" : "written");
}

}  // namespace

void PrintPaths()
{
    std::string scratch = MakeScratchFolder();
    if (scratch.empty() || !SetCurrentFolder(scratch) || !MakeFolder(scratch + kSeparator + "sub") ||
        !SetCurrentFolder(scratch + kSeparator + "sub")) {
        Print("cannot make a folder to work in\n");
        RemoveScratch(scratch);
        return;
    }
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
    std::string base = std::string(current, length < MAX_PATH ? length : 0);
    base = base.substr(0, base.rfind(kSeparator));  // the scratch folder as the system names it
    Print("GetCurrentDirectoryA -> %s, length %s\n", Printable(current, base).c_str(),
          length == std::strlen(current) ? "right" : Format("%u", unsigned(length)).c_str());

    // ソ is 0x83 0x5C, 表 0x95 0x5C: their second byte is a backslash's.
    const std::string so = "\x83\x5C", hyo = "\x95\x5C";
    const std::vector<std::string> relative = {
        "a.jpg", ".", "..", "|..|..", ".|a.jpg", "x|..|a.jpg", "x|", "x||a.jpg", "x|.|.|",
        "..|..|..|..|..|..|..|..|..|..|..|..|..|..|a.jpg", so, so + "|", so + "|a.jpg",
        so + "|..", so + hyo + "|" + hyo + ".jpg", "x" + so + "|..|" + so, "a b.jpg", "|", "|..",
        "|" + so + "|a.jpg",
    };
    for (const std::string &pattern : relative) {
        std::string input = WithSeparators(pattern);
        PrintFullPath(input, pattern, base);
    }
    // An absolute path through the folder: up out of it and back in.
    PrintFullPath(base + WithSeparators("|sub|..|sub|" + so + "|"), "<base>|sub|..|sub|" + so + "|",
                  base);
    RemoveScratch(scratch);
}
