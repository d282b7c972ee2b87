#include "app/screen_scale.h"

#include "app/reload.h"
#include "app/viewer_state.h"

typedef UINT(WINAPI *DpiForWindowCall)(HWND);

int WindowDpi(HWND hwnd)
{
    // Imported by name, the call would keep the program from starting on
    // older Windows at all.
    static const DpiForWindowCall dpiForWindow = reinterpret_cast<DpiForWindowCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return dpiForWindow != NULL ? static_cast<int>(dpiForWindow(hwnd)) : USER_DEFAULT_SCREEN_DPI;
}

int ScaleForDpi(int pixels96, int dpi)
{
    if (dpi == USER_DEFAULT_SCREEN_DPI)
        return pixels96;
    return MulDiv(pixels96, dpi, USER_DEFAULT_SCREEN_DPI);
}

int StripHeightForDpi(int dpi)
{
    return ScaleForDpi(StatusStripHeight, dpi);
}

HFONT CreateStripFont(HDC dc, int dpi)
{
    // The default font is made for the system's DPI, which LOGPIXELSY gives.
    int fontDpi = GetDeviceCaps(dc, LOGPIXELSY);
    LOGFONTA font;
    if (fontDpi <= 0 || fontDpi == dpi ||
        GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) != sizeof font)
        return NULL;
    font.lfHeight = MulDiv(font.lfHeight, dpi, fontDpi);
    font.lfWidth = MulDiv(font.lfWidth, dpi, fontDpi);
    return CreateFontIndirectA(&font);
}

void HandleDpiChanged(HWND hwnd, const RECT *suggested)
{
    if (suggested != NULL)
        SetWindowPos(hwnd, NULL, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    RequestReload(hwnd);  // also when the client size came out the same
}
