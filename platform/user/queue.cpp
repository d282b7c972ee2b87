// The thread's message queue: posted messages first, then the quit message,
// then input (the keys, in a queue of their own), then WM_PAINT for a window
// with an invalid area, then WM_TIMER for a due timer; when none of these is
// there, the host is asked to wait for input. As on Windows, a message posted
// after a key was pressed is still taken before the key.
#include <deque>

#include "platform/files/folder_listing.h"
#include "platform/user/observe.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

namespace {

struct Queue {
    std::deque<MSG> posted;
    std::deque<MSG> input;
    bool quitPosted = false;
    int quitCode = 0;
    int depth = 0;  // window procedures currently running
    uint64_t taken = 0;
    layer::ProcedureObserver observer;
};

Queue &TheQueue()
{
    static Queue queue;
    return queue;
}

// Counts the window procedures on the stack; retired windows are freed only
// when none is running, so no caller is left holding a freed record.
struct ProcedureScope {
    ProcedureScope() { ++TheQueue().depth; }
    ~ProcedureScope() { --TheQueue().depth; }
};

bool TakeFirst(std::deque<MSG> &posted, MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!MatchesFilter(*it, hwnd, filterMin, filterMax)) continue;
        *msg = *it;
        posted.erase(it);
        return true;
    }
    return false;
}

bool TakeQuit(MSG *msg)
{
    Queue &queue = TheQueue();
    if (!queue.quitPosted) return false;
    queue.quitPosted = false;
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, 0, {0, 0}};
    return true;
}

bool TakePaint(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    for (HWND candidate : LiveWindows()) {
        KovloWindow *window = FindWindowRecord(candidate);
        if (!window->visible || window->invalid == nullptr || cairo_region_is_empty(window->invalid))
            continue;
        MSG paint{candidate, WM_PAINT, 0, 0, 0, {0, 0}};
        if (!MatchesFilter(paint, hwnd, filterMin, filterMax)) continue;
        *msg = paint;
        return true;
    }
    return false;
}

bool TakeNext(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    Queue &queue = TheQueue();
    bool took = TakeFirst(queue.posted, msg, hwnd, filterMin, filterMax) || TakeQuit(msg) ||
                TakeFirst(queue.input, msg, hwnd, filterMin, filterMax) ||
                TakePaint(msg, hwnd, filterMin, filterMax) ||
                TakeDueTimer(msg, hwnd, filterMin, filterMax);
    if (took) ++queue.taken;
    return took;
}

}  // namespace

namespace layer_internal {

bool MatchesFilter(const MSG &msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (hwnd != nullptr && msg.hwnd != hwnd) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

void PurgeMessagesFor(HWND hwnd)
{
    for (std::deque<MSG> *messages : {&TheQueue().posted, &TheQueue().input}) {
        for (auto it = messages->begin(); it != messages->end();) {
            it = it->hwnd == hwnd ? messages->erase(it) : it + 1;
        }
    }
}

void PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TheQueue().input.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
}

// Windows folds the repeats of a held key into the key-down still waiting, so a
// program slower than the repeat rate does one step per message it takes
// instead of working through a backlog after the key is released.
bool FoldKeyRepeat(HWND hwnd, UINT virtualKey)
{
    auto &input = TheQueue().input;
    if (input.empty()) return false;
    MSG &last = input.back();
    // The first press (previous state up) keeps a message of its own.
    bool sameRepeat = last.hwnd == hwnd && last.message == WM_KEYDOWN && last.wParam == virtualKey &&
                      (last.lParam & kKeyWasDown) != 0;
    if (!sameRepeat || LOWORD(last.lParam) == 0xFFFF) return false;
    ++last.lParam;
    return true;
}

void NextMessage(MSG *msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    for (;;) {
        if (TheQueue().depth == 0) ReleaseRetiredWindows();
        if (TakeNext(msg, hwnd, filterMin, filterMax)) {
            msg->time = static_cast<DWORD>(host::NowMs());
            return;
        }
        DropKeptListing();  // no search outlives a wait
        host::WaitForEvents(EarliestTimerDue());
    }
}

void ResetQueue()
{
    Queue &queue = TheQueue();
    queue.posted.clear();
    queue.input.clear();
    queue.quitPosted = false;
    queue.quitCode = 0;
}

}  // namespace layer_internal

extern "C" BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd != nullptr && FindWindowRecord(hwnd) == nullptr) return FALSE;
    TheQueue().posted.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
    return TRUE;
}

extern "C" LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->procedure == nullptr) return 0;
    ProcedureScope scope;
    if (TheQueue().observer) TheQueue().observer(hwnd, message, wParam, lParam);
    return window->procedure(hwnd, message, wParam, lParam);
}

extern "C" BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (msg == nullptr) return -1;
    if (hwnd != nullptr && FindWindowRecord(hwnd) == nullptr) return -1;
    NextMessage(msg, hwnd, filterMin, filterMax);
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

namespace {

// The character a key produces without modifiers, or 0.
char CharacterOfKey(WPARAM key)
{
    if (key >= '0' && key <= '9') return static_cast<char>(key);
    if (key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 'a');
    if (key == VK_SPACE || key == VK_RETURN || key == VK_BACK || key == VK_ESCAPE)
        return static_cast<char>(key);
    return 0;
}

}  // namespace

extern "C" BOOL TranslateMessage(const MSG *msg)
{
    if (msg == nullptr || msg->message != WM_KEYDOWN) return FALSE;
    char character = CharacterOfKey(msg->wParam);
    if (character == 0) return FALSE;
    return PostMessageA(msg->hwnd, WM_CHAR, static_cast<unsigned char>(character), msg->lParam);
}

extern "C" LRESULT DispatchMessageA(const MSG *msg)
{
    if (msg == nullptr) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        ProcedureScope scope;
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

extern "C" void PostQuitMessage(int exitCode)
{
    TheQueue().quitPosted = true;
    TheQueue().quitCode = exitCode;
}

namespace layer {

void SetProcedureObserver(ProcedureObserver observer) { TheQueue().observer = std::move(observer); }

bool TakeMessageIfAny(MSG *msg)
{
    if (msg == nullptr) return false;
    if (TheQueue().depth == 0) ReleaseRetiredWindows();
    return TakeNext(msg, nullptr, 0, 0);
}

uint64_t MessagesTaken() { return TheQueue().taken; }

}  // namespace layer
