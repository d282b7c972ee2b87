// Registered window classes.
#pragma once

#include <string>

#include "platform/win32.h"

struct WindowClassRecord {
    std::string name;  // code page 932, compared without regard to ASCII case
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

namespace layer_internal {

// The class registered under `name`, or null. The control classes STATIC,
// EDIT and BUTTON are always there.
const WindowClassRecord *FindWindowClass(const char *name);

// The window procedure of the layer's controls (control_procedure.cpp).
LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace layer_internal
