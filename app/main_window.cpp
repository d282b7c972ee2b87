#include "app/main_window.h"

#include "app/screen_scale.h"
#include "app/viewer_texts.h"
#include "app/window_proc.h"

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

WNDCLASSA ViewerClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ViewerWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MYICON");
    windowClass.hCursor = LoadCursorA(NULL, IDC_IBEAM);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kProgramName;
    return windowClass;
}

int RegisterViewerClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = ViewerClass(instance);
    return RegisterClassA(&windowClass);
}

int CentredOrigin(int extent, int size)
{
    return (extent - size) / 2;
}

// Moves the window to the middle of the desktop at its own outer size; on a
// scaled screen at the first size scaled for the window's DPI.
static void CentreOnDesktop(HWND hwnd)
{
    RECT desktop, outer;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(hwnd, &outer);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int dpi = WindowDpi(hwnd);
    if (dpi != USER_DEFAULT_SCREEN_DPI) {
        width = ScaleForDpi(kWindowWidth, dpi);
        height = ScaleForDpi(kWindowHeight, dpi);
    }
    SetWindowPos(hwnd, NULL, CentredOrigin(desktop.right, width),
                 CentredOrigin(desktop.bottom, height), width, height, SWP_SHOWWINDOW);
}

int CreateViewerWindow(HINSTANCE instance, int showCommand)
{
    // WM_CREATE arrives before this returns and decodes the first file.
    HWND hwnd = CreateWindowExA(0, kProgramName, kProgramName, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight, NULL,
                                NULL, instance, NULL);
    if (hwnd == NULL)
        return 0;
    CentreOnDesktop(hwnd);
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return 1;
}
