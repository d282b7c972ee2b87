// The screen's scale, as a per-monitor DPI-aware program sees it: MulDiv,
// GetDpiForWindow, GetSystemMetrics, GetSystemMetricsForDpi, and the host's
// report of a window's new scale (layer::OnScaleChanged, WM_DPICHANGED).
//
// Every size the layer keeps is in device pixels. The host's screen has an
// integer scale (1 at 96 DPI); the system's DPI is 96 times it, and a window
// starts at that DPI. Frame and scroll-bar metrics from the host are the
// system DPI's; a window whose DPI has changed has them scaled.
//
// Not handled: fractional scales, monitors of different scales at start-up
// (each window starts at the system's), the other system metrics.
#include <climits>
#include <cstdlib>

#include "platform/gdi/gdi_objects.h"
#include "platform/user/window_record.h"

using namespace layer_internal;

extern "C" int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) return -1;
    long long product = static_cast<long long>(number) * numerator;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude = std::llabs(product), divisor = std::llabs(static_cast<long long>(denominator));
    // Rounded to the nearest, halves away from zero; -1 when it does not fit.
    long long quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > INT_MAX) return -1;
    return static_cast<int>(negative ? -quotient : quotient);
}

namespace layer_internal {

int ScaleSystemPixels(const KovloWindow &window, int pixels)
{
    int systemDpi = gdi::SystemDpi();
    int dpi = static_cast<int>(window.dpi);
    if (dpi == 0 || dpi == systemDpi) return pixels;
    return MulDiv(pixels, dpi, systemDpi);
}

}  // namespace layer_internal

extern "C" UINT GetDpiForWindow(HWND hwnd)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr) return 0;
    // Controls and dialogs go with their owner's screen.
    while (window->kind == WindowKind::Control && FindWindowRecord(window->parent) != nullptr)
        window = FindWindowRecord(window->parent);
    return window->dpi != 0 ? window->dpi : gdi::SystemDpi();
}

extern "C" int GetSystemMetricsForDpi(int index, UINT dpi)
{
    if (index != SM_CXVSCROLL && index != SM_CYHSCROLL) return 0;
    return MulDiv(host::ScrollBarThickness(), static_cast<int>(dpi), gdi::SystemDpi());
}

extern "C" int GetSystemMetrics(int index)
{
    return GetSystemMetricsForDpi(index, gdi::SystemDpi());
}

namespace layer {

// Windows suggests a rectangle of the same size to the eye at the new DPI,
// kept at the same top-left corner; the window procedure decides what to do
// with it (DefWindowProcA does nothing).
void OnScaleChanged(HWND hwnd, int scale)
{
    KovloWindow *window = FindWindowRecord(hwnd);
    if (window == nullptr || window->kind != WindowKind::TopLevel || scale < 1) return;
    UINT oldDpi = GetDpiForWindow(hwnd);
    UINT newDpi = USER_DEFAULT_SCREEN_DPI * scale;
    if (newDpi == oldDpi) return;
    window->dpi = newDpi;
    RECT outer = window->outer;
    RECT suggested{outer.left, outer.top,
                   outer.left + MulDiv(outer.right - outer.left, newDpi, oldDpi),
                   outer.top + MulDiv(outer.bottom - outer.top, newDpi, oldDpi)};
    SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace layer
