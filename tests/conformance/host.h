// What the conformance program needs beyond the Windows calls it checks, one
// implementation per build: host_windows.cpp (the real or Wine's system) and
// host_layer.cpp (the layer on the headless host).
#pragma once

#include <string>

#include "platform/win32.h"

namespace conformance {

// Before any section runs, and after the last.
void StartHost(int *argc, char ***argv);
void StopHost();

// A new empty folder for this run, its path without a trailing separator, as
// the ANSI functions name it (code page 932); removed by RemoveScratch.
std::string MakeScratchFolder();
void RemoveScratch(const std::string &folder);
// A folder inside the scratch folder, and the process's current directory.
bool MakeFolder(const std::string &path);
bool SetCurrentFolder(const std::string &path);

// The path as the program prints it: on Windows the drive ("C:") left out;
// off Windows, where there are no drives and '/' separates, every '/' printed
// as '\'. Both builds then print the same bytes for the same answer.
std::string PortablePath(const std::string &path);

// A key pressed or released as the keyboard does it, for the window that has
// the keyboard: real input (Windows: keybd_event; off Windows the headless
// host's input), not a posted message. `hwnd` is that window.
void PressKey(HWND hwnd, UINT virtualKey, bool down);
// Makes `hwnd` the window that gets the keyboard's input.
void TakeKeyboard(HWND hwnd);

}  // namespace conformance
