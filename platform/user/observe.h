// What the layer holds, read by the headless host, the replay driver and the
// tests (the application never includes this).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gdi/surface_dc.h"
#include "platform/win32.h"

namespace layer {

// The texts drawn between the last BeginPaint and EndPaint of `hwnd`, oldest
// first; empty for an unknown window or one never painted.
std::vector<DrawnText> LastPaintTexts(HWND hwnd);

// The window that SetFocus last named, while it exists.
HWND FocusedWindow();

// True while a modal dialog owned by `hwnd` is open: the window takes no
// input of its own (keys go to the dialog), as Windows disables it.
bool IsDisabledByDialog(HWND hwnd);

// The top-level windows and open dialogs that exist, in creation order.
std::vector<HWND> TopLevelWindows();
std::vector<HWND> OpenDialogs();

// Destroys every window and empties the queue and the timers, so that one
// test starts where the last left nothing behind. Classes stay registered.
void ResetWindowsAndQueue();

}  // namespace layer

namespace layer {

// Called with every message a window procedure is about to receive, sent or
// dispatched (the replay driver's trace); an empty function stops it.
using ProcedureObserver = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
void SetProcedureObserver(ProcedureObserver observer);

// Takes the next message that GetMessageA would return, without waiting;
// false when the queue is idle (nothing posted, nothing to paint, no timer due).
bool TakeMessageIfAny(MSG *msg);

// How many messages the queue has handed out (GetMessageA, TakeMessageIfAny)
// since the program started: the headless host
// tells by it whether the program worked between two waits.
uint64_t MessagesTaken();

}  // namespace layer
