// Process start-up off Windows: InitPlatform keeps one command line rebuilt
// from main's arguments, in code page 932, for GetCommandLineA.
#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/text/cp932.h"
#include "platform/user/heap_policy.h"
#include "platform/user/window_record.h"

namespace {

std::string &CommandLine()
{
    static std::string line;
    return line;
}

// An argument the file system gave as UTF-8, in code page 932; bytes that do
// not convert are kept as they are, so the name still reaches the program.
std::string ArgumentInCp932(const char *utf8)
{
    std::string cp932;
    if (Utf8ToCp932(utf8, &cp932)) return cp932;
    return utf8;
}

bool IsBlank(unsigned char c) { return c != 0 && c <= 0x20; }

// The program's path as the tail rule reads it back: the name runs on through
// blanks only inside double quotes, and each quote opens or closes them. A path
// with blanks is quoted as a whole; one holding quotes of its own gets a quote
// before each blank outside them and one at the end if they are left open, so
// that the name never swallows the argument.
std::string QuotedProgramPath(const std::string &path)
{
    bool blanks = std::any_of(path.begin(), path.end(), IsBlank);
    if (path.find('"') == std::string::npos) return blanks ? "\"" + path + "\"" : path;
    std::string quoted;
    bool open = false;
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char c = path[i];
        if (IsBlank(c) && !open) quoted += '"', open = true;
        if (c == '"') open = !open;
        quoted += path[i];
        // The rule reads a lead byte and the byte after it as one character.
        if (IsLeadByteOf932(c) && i + 1 < path.size()) quoted += path[++i];
    }
    return open ? quoted + '"' : quoted;
}

std::string RebuildCommandLine(int argc, char **argv)
{
    std::string line;
    for (int i = 0; i < argc; ++i) {
        std::string argument = ArgumentInCp932(argv[i]);
        if (i > 0) line += ' ';
        line += i == 0 ? QuotedProgramPath(argument) : argument;
    }
    return line;
}

}  // namespace

extern "C" void InitPlatform(int *argc, char ***argv)
{
    SetProcessAllocatorToKeepLargeBlocks();
    host::Init(argc, argv);
    CommandLine() = RebuildCommandLine(*argc, *argv);
}

extern "C" LPSTR GetCommandLineA(void) { return &CommandLine()[0]; }

extern "C" void WriteStandardErrorA(LPCSTR text)
{
    if (text) std::fputs(Cp932ToUtf8(text).c_str(), stderr);
}
