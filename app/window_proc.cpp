#include "app/window_proc.h"

#include "app/keys.h"
#include "app/paint.h"
#include "app/reload.h"
#include "app/screen_scale.h"
#include "app/scroll.h"

LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: ReloadCurrentImage(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: ReloadCurrentImage(hwnd); return 0;
    case WM_PAINT: PaintViewer(hwnd); return 0;
    case WM_KEYDOWN: HandleKeyDown(hwnd, wParam); return 0;
    case WM_TIMER: StepSlideshow(hwnd); return 0;
    case WM_HSCROLL: ScrollView(hwnd, SB_HORZ, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_VSCROLL: ScrollView(hwnd, SB_VERT, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DPICHANGED: HandleDpiChanged(hwnd, reinterpret_cast<const RECT *>(lParam)); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
