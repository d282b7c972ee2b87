// The conformance program's host off Windows: the layer on the headless host.
// Time passes whenever the program waits (as it would on a real machine), and
// key presses come in through the host's input path, as the keyboard's do.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "platform/hosts/headless/headless.h"
#include "platform/text/cp932.h"
#include "tests/conformance/host.h"

namespace conformance {

void StartHost(int *argc, char ***argv)
{
    InitPlatform(argc, argv);
    headless::Configure(headless::Config{});
    headless::SetScriptSource([] {
        std::string error;
        return headless::RunScriptLine("advance 10", &error);
    });
}

void StopHost() { headless::SetScriptSource(nullptr); }

namespace {

std::string Utf8(const std::string &cp932) { return Cp932ToUtf8(cp932); }

}  // namespace

std::string MakeScratchFolder()
{
    const char *temp = std::getenv("TMPDIR");
    std::string folder = std::string(temp && *temp ? temp : "/tmp") + "/kovlo-conformance-" +
                         std::to_string(getpid());
    return mkdir(folder.c_str(), 0700) == 0 ? folder : std::string();
}

void RemoveScratch(const std::string &folder)
{
    if (chdir("/") != 0 || folder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(Utf8(folder), ignored);
}

bool MakeFolder(const std::string &path) { return mkdir(Utf8(path).c_str(), 0700) == 0; }

bool SetCurrentFolder(const std::string &path) { return chdir(Utf8(path).c_str()) == 0; }

std::string PortablePath(const std::string &path)
{
    std::string out = path;
    for (char &c : out) {
        if (c == '/') c = '\\';
    }
    return out;
}

void PressKey(HWND hwnd, UINT virtualKey, bool down)
{
    static std::set<UINT> held;
    if (down) {
        bool repeat = !held.insert(virtualKey).second;
        layer::OnKeyDown(hwnd, virtualKey, repeat);
    } else {
        held.erase(virtualKey);
        layer::OnKeyUp(hwnd, virtualKey);
    }
}

// The headless host's keys go to the window they are given.
void TakeKeyboard(HWND) {}

}  // namespace conformance
