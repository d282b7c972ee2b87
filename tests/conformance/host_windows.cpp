// The conformance program's host on Windows (and Wine): the system itself.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <string>

#include "tests/conformance/host.h"

namespace conformance {

// Lines end in "\n" alone, as off Windows.
void StartHost(int *, char ***) { _setmode(_fileno(stdout), _O_BINARY); }
void StopHost() {}

std::string MakeScratchFolder()
{
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder = std::string(temp) + "kovlo-conformance-" + std::to_string(GetCurrentProcessId());
    return CreateDirectoryA(folder.c_str(), nullptr) ? folder : std::string();
}

namespace {

void RemoveTree(const std::string &folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

void RemoveScratch(const std::string &folder)
{
    SetCurrentDirectoryA("\\");
    if (!folder.empty()) RemoveTree(folder);
}

bool MakeFolder(const std::string &path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool SetCurrentFolder(const std::string &path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

std::string PortablePath(const std::string &path)
{
    bool drive = path.size() >= 2 && path[1] == ':';
    return drive ? path.substr(2) : path;
}

void PressKey(HWND, UINT virtualKey, bool down)
{
    keybd_event(static_cast<BYTE>(virtualKey), 0, down ? 0 : KEYEVENTF_KEYUP, 0);
}

void TakeKeyboard(HWND hwnd)
{
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
}

}  // namespace conformance
