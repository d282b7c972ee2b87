// The probe's `hold`. The window's pixels are read only when the DAMAGE
// extension says something was drawn, so watching costs the viewer little.
#include "tests/gtk/hold_watch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <sys/select.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace {

double NowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// FNV-1a over the window's pixels.
uint64_t WindowHash(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 0;
    XImage *image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) return 0;
    uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) hash = (hash ^ XGetPixel(image, x, y)) * 1099511628211ull;
    }
    XDestroyImage(image);
    return hash;
}

// Waits up to `ms` for the window to be drawn on; returns when drawing began,
// or -1 when nothing was drawn. Damage within a few milliseconds of the first
// belongs to the same drawing and is waited for.
double WaitForDrawing(Display *display, Damage damage, int damageEvent, double ms)
{
    const double end = NowMs() + ms;
    double began = -1;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent && began < 0) began = NowMs();
        }
        double left = began >= 0 ? 3 : end - NowMs();
        if (left <= 0) break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        timeval timeout{0, long(left * 1000)};
        if (select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &timeout) == 0 && began >= 0) break;
    }
    XDamageSubtract(display, damage, None, None);
    return began;
}

void Sleep(int ms)
{
    timespec step{ms / 1000, (ms % 1000) * 1000L * 1000L};
    nanosleep(&step, nullptr);
}

}  // namespace

int HoldKeyAndWatch(unsigned long window, const char *keysym, int holdMs, int quietMs)
{
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, testEvent = 0, testError = 0, major = 0, minor = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &testEvent, &testError, &major, &minor))
        return 2;
    damageEvent += XDamageNotify;
    KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
    if (code == 0) return 2;
    Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XFlush(display);
    Sleep(holdMs);
    // What the window shows as the key goes up; drawing before it is forgotten.
    uint64_t shown = WindowHash(display, window);
    WaitForDrawing(display, damage, damageEvent, 0);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
    const double released = NowMs();
    int changes = 0;
    double lastChange = released;
    // A viewer still working through steps may show nothing new for a while:
    // stillness counts only after the first change, or after 10 s of none.
    auto still = [&] { return (changes == 0 ? std::max(quietMs, 10000) : quietMs) - (NowMs() - lastChange); };
    for (double began; (began = WaitForDrawing(display, damage, damageEvent, still())) >= 0;) {
        uint64_t hash = WindowHash(display, window);
        if (hash != shown) ++changes, lastChange = began, shown = hash;
        if (NowMs() - released > 60000) return 3;
    }
    std::printf("changes %d\nsettle_ms %.0f\n", changes, lastChange - released);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
