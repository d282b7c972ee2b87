// Keyboard commands and the slideshow step. Each changes the viewer state and
// ends with a reload request; none of them draws or decodes.
#pragma once

#include "platform/win32.h"

// WM_KEYDOWN with its virtual-key code; keys outside the nine are ignored.
void HandleKeyDown(HWND hwnd, WPARAM virtualKey);

// WM_TIMER: the slideshow moves on exactly as Space does.
void StepSlideshow(HWND hwnd);
