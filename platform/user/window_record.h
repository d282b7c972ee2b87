// The layer's record of one window and the registry of live windows.
//
// HWND is a pointer to a KovloWindow. Every entry point checks a handle with
// FindWindowRecord before touching it, so a stale or foreign handle fails the
// call instead of reaching freed memory.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <cairo.h>

#include "platform/gdi/surface_dc.h"
#include "platform/hosts/host.h"
#include "platform/win32.h"

struct DialogTemplate;

enum class WindowKind { Desktop, TopLevel, Dialog, Control };

// One standard scroll bar as the application set it.
struct ScrollBarState {
    bool visible = false;
    bool disabledNoScroll = false;  // shown greyed because it has no room
    int minimum = 0;
    int maximum = 100;
    UINT page = 0;
    int position = 0;
};

// What a modal dialog needs on top of a window.
struct DialogState {
    DLGPROC procedure = nullptr;
    const DialogTemplate *dialogTemplate = nullptr;
    HWND owner = nullptr;
    HICON smallIcon = nullptr;
    HICON bigIcon = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

struct KovloWindow {
    WindowKind kind = WindowKind::TopLevel;
    WNDPROC procedure = nullptr;
    UINT classStyle = 0;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;   // the class icon
    HWND parent = nullptr;
    int id = 0;
    std::string className;  // code page 932, as registered
    std::string text;       // code page 932: title, or a control's text
    DWORD style = 0;
    bool visible = false;
    // Set once the host has the window, just before WM_CREATE is sent: from
    // then on a change of the client size sends WM_SIZE.
    bool created = false;
    int showState = SW_SHOWNORMAL;
    RECT outer{};           // screen coordinates
    RECT restoredOuter{};   // outer rectangle before minimising or maximising
    int clientWidth = 0;
    int clientHeight = 0;
    UINT dpi = 0;           // 0: the system's; set when the host reports a new scale
    ScrollBarState bars[2];  // SB_HORZ, SB_VERT
    cairo_surface_t *surface = nullptr;
    // The invalid part of the client area and whether it must be erased.
    cairo_region_t *invalid = nullptr;
    bool eraseInvalid = false;
    cairo_region_t *paintRegion = nullptr;  // what the current paint covers
    std::vector<DrawnText> lastPaintTexts;
    int editLimit = 0x7FFFFFFE;  // characters, for edit controls
    std::unique_ptr<DialogState> dialog;

    KovloWindow() = default;
    KovloWindow(const KovloWindow &) = delete;
    KovloWindow &operator=(const KovloWindow &) = delete;
    // Releases the surface and regions: a window still open when the program
    // ends (Esc leaves the loop without destroying it) gives them back with
    // its record, as a destroyed one does.
    ~KovloWindow();
};

namespace layer_internal {

// The record behind a live handle, or null.
KovloWindow *FindWindowRecord(HWND hwnd);
// Takes ownership of a new window; returns its handle.
HWND AdoptWindow(std::unique_ptr<KovloWindow> window);
// Forgets the window; its memory is released when no call can still use it.
void RetireWindow(HWND hwnd);
// Frees retired windows (called from the message loop, outside any dispatch).
void ReleaseRetiredWindows();
// Live windows in creation order.
std::vector<HWND> LiveWindows();
// Children of `parent` in creation order.
std::vector<HWND> ChildWindows(HWND parent);
// The desktop window (its rectangle is the host's screen).
HWND DesktopWindow();

// The screen's scale (screen_scale.cpp): a length in the system DPI's pixels
// (a frame's, a scroll bar's) at the window's DPI.
int ScaleSystemPixels(const KovloWindow &window, int pixels);

// Client surface and geometry (geometry.cpp).
void SetClientSize(KovloWindow *window, int width, int height);
RECT OuterForClient(const KovloWindow &window, int clientWidth, int clientHeight);
void ApplyOuterRect(HWND hwnd, const RECT &outer, bool sendSize, WPARAM sizeKind);

// Invalidation (paint.cpp).
void InvalidateClientRect(KovloWindow *window, const RECT &rect, bool erase);
void ValidateAll(KovloWindow *window);

// The queue (queue.cpp).
void PurgeMessagesFor(HWND hwnd);
// Queues a key message as input: taken after every posted message.
void PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Raises the repeat count of a repeated key-down of `virtualKey` for `hwnd`
// that is still waiting, when no other key's message came after it; false
// when there is none, and the repeat needs a message of its own.
bool FoldKeyRepeat(HWND hwnd, UINT virtualKey);
// The next message for the loops (GetMessageA and the dialog loop); blocks.
void NextMessage(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax);
void ResetQueue();

// Timers (timers.cpp).
void KillTimersOf(HWND hwnd);
void ResetTimers();
// The earliest due time of any timer, or -1.
int64_t EarliestTimerDue();
// A WM_TIMER for the first due timer matching the filter; false when none.
bool TakeDueTimer(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax);

// Dialogs (dialog_state.cpp): the dialog record of a dialog window, or null.
DialogState *DialogOf(HWND hwnd);
// The open modal dialog owned by `owner`, or null.
HWND ModalDialogOf(HWND owner);
// Key presses that a dialog turns into commands (Enter, Esc).
bool HandleDialogKey(HWND target, UINT virtualKey);
// The dialog that takes the keys aimed at `target`, or null.
HWND DialogForKey(HWND target);

// The lParam of WM_KEYDOWN and WM_KEYUP (key_lparam.cpp): a count of 1, the
// key's scan code and flags; kKeyWasDown marks a key that was already down.
constexpr DWORD kKeyWasDown = 1u << 30;
LPARAM KeyDownLParam(UINT virtualKey, bool wasDown);
LPARAM KeyUpLParam(UINT virtualKey);

// Edit controls (edit_control.cpp).
std::string LimitToCharacters(const std::string &cp932, int maxCharacters);
std::string ReplaceUnmappable(const std::string &utf8);
UINT ParseDialogInt(const std::string &text, BOOL *translated, BOOL isSigned);

// The message filter of GetMessageA.
bool MatchesFilter(const MSG &msg, HWND hwnd, UINT filterMin, UINT filterMax);

}  // namespace layer_internal
