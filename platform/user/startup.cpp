// Process start-up off Windows: InitPlatform keeps one command line rebuilt
// from main's arguments, in code page 932, for GetCommandLineA.
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

std::string RebuildCommandLine(int argc, char **argv)
{
    std::string line;
    for (int i = 0; i < argc; ++i) {
        std::string argument = ArgumentInCp932(argv[i]);
        bool quote = i == 0 && argument.find_first_of(" \t") != std::string::npos;
        if (i > 0) line += ' ';
        line += quote ? "\"" + argument + "\"" : argument;
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
