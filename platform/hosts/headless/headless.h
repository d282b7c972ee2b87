// The headless host: the layer's windows with no display, for the tests and
// the replay driver. The caller gives the screen and client sizes, moves the
// clock, feeds input as script commands and reads the client pixels back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/hosts/host.h"

namespace headless {

// The default frame that a top-level window gets around its client area:
// Windows 10's sizing border of 8 pixels on three sides and the 31-pixel
// caption with its border on top. An 800 x 600 window therefore holds a
// 784 x 561 client area. The default scroll bars are Windows' 17 pixels.
constexpr RECT kFrameInsets = {8, 31, 8, 8};
constexpr int kScrollBarThickness = 17;

// A held key repeats as on a default X server: the first repeat 660 ms after
// the press, then one every 40 ms (25 a second).
constexpr int kRepeatDelayMs = 660;
constexpr int kRepeatIntervalMs = 40;

struct Config {
    int screenWidth = 1920;
    int screenHeight = 1080;
    // The client size every new top-level window gets, as a window manager
    // that sizes windows itself would give it; -1: what the outer size leaves.
    int clientWidth = -1;
    int clientHeight = -1;
    // The clock also runs on by the real time the program spends between
    // waits, as on a machine where work takes time: key repeats and timer
    // ticks then fall due while a slow decode runs. Off: work takes no time.
    bool busyTimeCounts = false;
    // Instead of the real time: every stretch of work (messages taken between
    // two waits) takes this many milliseconds of the clock, whatever it
    // really took, so that a slow program is slow on every machine. 0: off.
    int workMs = 0;
    // The window metrics; a run that stands for the GTK window takes that
    // window's measured ones, so that both give the same client area.
    RECT frameInsets = kFrameInsets;
    int scrollBarThickness = kScrollBarThickness;
    // The screen's scale: device pixels per 96-DPI pixel. Every size above is
    // in device pixels; ScaledConfig gives the defaults for a scale.
    int scale = 1;
};

// The default configuration of a screen at `scale`: the screen, the frame and
// the scroll bars all `scale` times their size at 96 DPI.
Config ScaledConfig(int scale);

// Starts afresh: the configuration, the clock at 0, no script, no records.
void Configure(const Config &config);

// The virtual clock; it moves only through Advance (directly or by script, a
// held key's `hold` included) and, when busyTimeCounts, by the program's work.
int64_t NowMs();
// Moves the clock on by `ms`, stopping at each timer tick on the way so that
// the queue is drained after each one; returns when the clock has arrived, or
// early when a quit message is found (it stays for the program's loop).
void Advance(int64_t ms);
// Delivers every message that is waiting (posted, paint, due timers); false
// when it stopped at a quit message, which stays for the program's loop.
bool PumpUntilIdle();

// Input. The script source is asked for the next step whenever the layer's
// queue is idle; it returns false at the end of its input, after which the
// host closes any open dialog and then the top-level windows.
void SetScriptSource(std::function<bool()> nextStep);
// Runs one script line (the replay driver's commands); false when the line is
// not understood, with the reason in *error.
bool RunScriptLine(const std::string &line, std::string *error);
// Called for `show` lines.
void SetShowHandler(std::function<void()> show);

// The first top-level window that exists, or null.
HWND MainWindow();
// The modal dialog that is open, or null.
HWND OpenDialog();

// What the host has been shown.
struct MessageBoxRecord {
    HWND owner;
    std::string caption;  // UTF-8
    std::string text;     // UTF-8
    UINT type;
};
const std::vector<MessageBoxRecord> &MessageBoxes();
void SetMessageBoxHandler(std::function<void(const MessageBoxRecord &)> handler);
// The last scroll-bar view the layer gave the host for one bar of `hwnd`.
ScrollBarView ScrollBar(HWND hwnd, int bar);
// The UTF-8 title of a top-level window as the host shows it.
std::string Title(HWND hwnd);
// The text an edit or static control shows, and the limit set on an edit.
std::string ControlText(HWND control);
int EditLimit(HWND edit);

// Typing into the focused entry of the open dialog, one character at a time.
bool TypeIntoDialog(const std::string &utf8);

// Writes the client pixels of `hwnd` as a PNG file.
bool WriteClientPng(HWND hwnd, const std::string &path);

// Set when the host had to end the program because nothing could happen any
// more (the script ended and no window would close).
bool EndedIdle();
constexpr int kIdleExitCode = 124;

}  // namespace headless
