// Headless host: the script commands, one a line, that stand for a user.
// Implements: key NAME (a press and its release), hold NAME MS (see
//   held_key.cpp), resize W H, minimize, maximize, restore, advance MS, close,
//   dialog TEXT, dialog-ok, dialog-cancel, dialog-esc, hscroll CODE [POS],
//   vscroll CODE [POS], scale N (the window moves to a screen of scale N),
//   png FILE and show (through the show handler); blank lines and lines
//   starting with '#' do nothing.
// Does not implement: mouse positions, modifier states.
#include <cstdlib>
#include <sstream>

#include "platform/hosts/headless/headless_state.h"
#include "platform/user/observe.h"

namespace headless {
namespace {

struct Name {
    const char *name;
    int value;
};

const Name kKeys[] = {
    {"BackSpace", VK_BACK}, {"Shift", VK_SHIFT}, {"Escape", VK_ESCAPE}, {"Space", VK_SPACE},
    {"Left", VK_LEFT},      {"Right", VK_RIGHT}, {"Up", VK_UP},         {"Down", VK_DOWN},
    {"Return", VK_RETURN},  {"J", 'J'},          {"R", 'R'},            {"T", 'T'},
    {"A", 'A'},             {"Tab", VK_TAB},
};

const Name kScrollCodes[] = {
    {"SB_LINEUP", SB_LINEUP},         {"SB_LINELEFT", SB_LINELEFT},
    {"SB_LINEDOWN", SB_LINEDOWN},     {"SB_LINERIGHT", SB_LINERIGHT},
    {"SB_PAGEUP", SB_PAGEUP},         {"SB_PAGELEFT", SB_PAGELEFT},
    {"SB_PAGEDOWN", SB_PAGEDOWN},     {"SB_PAGERIGHT", SB_PAGERIGHT},
    {"SB_THUMBPOSITION", SB_THUMBPOSITION}, {"SB_THUMBTRACK", SB_THUMBTRACK},
    {"SB_TOP", SB_TOP},               {"SB_BOTTOM", SB_BOTTOM},
    {"SB_ENDSCROLL", SB_ENDSCROLL},
};

// A whole decimal or 0x-prefixed number, within [low, high].
bool ParseNumber(const std::string &text, long low, long high, long *value)
{
    if (text.empty()) return false;
    char *end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

template <size_t N>
bool Lookup(const Name (&table)[N], const std::string &word, long low, long high, long *value)
{
    for (const Name &entry : table) {
        if (word == entry.name) {
            *value = entry.value;
            return true;
        }
    }
    return ParseNumber(word, low, high, value);
}

using Words = std::vector<std::string>;

Words SplitWords(const std::string &line)
{
    std::istringstream in(line);
    Words words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The text after the command word, blanks inside it kept.
std::string RestOfLine(const std::string &line, const std::string &command)
{
    size_t start = line.find(command) + command.size();
    if (start < line.size() && line[start] == ' ') ++start;
    return line.substr(start);
}

bool Fail(std::string *error, const std::string &reason)
{
    if (error != nullptr) *error = reason;
    return false;
}

// The main window, when a user could reach it: not while a modal dialog of
// its own disables it (Windows lets no resize or scroll-bar click through).
HWND EnabledMainWindow(std::string *error)
{
    HWND main = MainWindow();
    if (main == nullptr) Fail(error, "no window");
    if (main != nullptr && layer::IsDisabledByDialog(main)) {
        Fail(error, "the window is disabled while its dialog is open");
        return nullptr;
    }
    return main;
}

HWND KeyTarget() { return OpenDialog() != nullptr ? OpenDialog() : MainWindow(); }

bool RunKey(const Words &words, std::string *error)
{
    long key;
    if (words.size() != 2 || !Lookup(kKeys, words[1], 0, 0xFF, &key))
        return Fail(error, "key wants a key name or 0xNN");
    HWND target = KeyTarget();
    if (target == nullptr) return Fail(error, "no window");
    layer::OnKeyDown(target, static_cast<UINT>(key));
    layer::OnKeyUp(target, static_cast<UINT>(key));
    return true;
}

bool RunHold(const Words &words, std::string *error)
{
    long key, ms;
    if (words.size() != 3 || !Lookup(kKeys, words[1], 0, 0xFF, &key) ||
        !ParseNumber(words[2], 0, 1L << 40, &ms))
        return Fail(error, "hold wants a key name or 0xNN and milliseconds");
    if (KeyTarget() == nullptr) return Fail(error, "no window");
    HoldKey(KeyTarget(), static_cast<UINT>(key), ms);
    return true;
}

bool RunResize(const Words &words, std::string *error)
{
    long width, height;
    if (words.size() != 3 || !ParseNumber(words[1], 0, 100000, &width) ||
        !ParseNumber(words[2], 0, 100000, &height))
        return Fail(error, "resize wants a width and a height");
    HWND main = EnabledMainWindow(error);
    if (main == nullptr) return false;
    layer::OnClientResized(main, static_cast<int>(width), static_cast<int>(height));
    return true;
}

// The title bar's buttons: minimise, maximise, restore.
bool RunShowState(int showState, std::string *error)
{
    HWND main = EnabledMainWindow(error);
    if (main == nullptr) return false;
    layer::OnShowStateChanged(main, showState, -1, -1);
    return true;
}

bool RunAdvance(const Words &words, std::string *error)
{
    long ms;
    if (words.size() != 2 || !ParseNumber(words[1], 0, 1L << 40, &ms))
        return Fail(error, "advance wants milliseconds");
    State().advancing = true;
    State().advanceTargetMs = State().nowMs + ms;  // reached while the layer waits
    return true;
}

bool RunScroll(const Words &words, int bar, std::string *error)
{
    long code, position = 0;
    if (words.size() < 2 || words.size() > 3 || !Lookup(kScrollCodes, words[1], 0, 0xFFFF, &code) ||
        (words.size() == 3 && !ParseNumber(words[2], 0, 0xFFFF, &position)))
        return Fail(error, "scroll wants a request code and perhaps a position");
    HWND main = EnabledMainWindow(error);
    if (main == nullptr) return false;
    layer::OnScrollRequest(main, bar, static_cast<int>(code), static_cast<int>(position));
    return true;
}

// The window lands on a monitor of another scale.
bool RunScale(const Words &words, std::string *error)
{
    long scale;
    if (words.size() != 2 || !ParseNumber(words[1], 1, 8, &scale))
        return Fail(error, "scale wants a whole scale from 1 to 8");
    HWND main = EnabledMainWindow(error);
    if (main == nullptr) return false;
    layer::OnScaleChanged(main, static_cast<int>(scale));
    return true;
}

bool RunDialogCommand(int commandId, std::string *error)
{
    if (OpenDialog() == nullptr) return Fail(error, "no dialog is open");
    layer::OnDialogCommand(OpenDialog(), commandId);
    return true;
}

bool RunDialogEscape(std::string *error)
{
    if (OpenDialog() == nullptr) return Fail(error, "no dialog is open");
    HWND focus = layer::FocusedWindow();
    layer::OnKeyDown(focus != nullptr ? focus : OpenDialog(), VK_ESCAPE);
    return true;
}

bool RunDialogText(const std::string &line, std::string *error)
{
    if (!TypeIntoDialog(RestOfLine(line, "dialog"))) return Fail(error, "no dialog entry has the focus");
    return true;
}

bool RunPng(const std::string &line, std::string *error)
{
    std::string path = RestOfLine(line, "png");
    if (path.empty()) return Fail(error, "png wants a file name");
    if (!WriteClientPng(MainWindow(), path)) return Fail(error, "cannot write " + path);
    return true;
}

bool RunClose()
{
    if (MainWindow() != nullptr) layer::OnCloseRequested(MainWindow());
    return true;
}

bool RunShow()
{
    if (State().show) State().show();
    return true;
}

}  // namespace

bool RunScriptLine(const std::string &line, std::string *error)
{
    Words words = SplitWords(line);
    if (words.empty() || words[0][0] == '#') return true;
    const std::string &command = words[0];
    if (command == "key") return RunKey(words, error);
    if (command == "hold") return RunHold(words, error);
    if (command == "resize") return RunResize(words, error);
    if (command == "advance") return RunAdvance(words, error);
    if (command == "minimize") return RunShowState(SW_SHOWMINIMIZED, error);
    if (command == "maximize") return RunShowState(SW_SHOWMAXIMIZED, error);
    if (command == "restore") return RunShowState(SW_SHOWNORMAL, error);
    if (command == "close") return RunClose();
    if (command == "dialog") return RunDialogText(line, error);
    if (command == "dialog-ok") return RunDialogCommand(IDOK, error);
    if (command == "dialog-cancel") return RunDialogCommand(IDCANCEL, error);
    if (command == "dialog-esc") return RunDialogEscape(error);
    if (command == "hscroll") return RunScroll(words, SB_HORZ, error);
    if (command == "vscroll") return RunScroll(words, SB_VERT, error);
    if (command == "scale") return RunScale(words, error);
    if (command == "png") return RunPng(line, error);
    if (command == "show") return RunShow();
    return Fail(error, "unknown command " + command);
}

void SetShowHandler(std::function<void()> show) { State().show = std::move(show); }

}  // namespace headless
