// GTK host: the window manager's frame (used by window.cpp).
// Implements: asking the window manager for the frame of a new top-level
//   before it is shown (_NET_REQUEST_FRAME_EXTENTS), so that its first client
//   size is already the final one; learning the frame once a window is on
//   screen (host::FrameInsets reports it from then on; the window is resized
//   so that its outer size stays the layer's), and moves of the frame
//   reported with layer::OnMoved.
// Does not implement: waiting longer than a fraction of a second for an
//   answer: a window manager that does not answer in time, or does not offer
//   the request, has its frame corrected once the window is on screen.
#include "platform/hosts/gtk/gtk_state.h"

#include <poll.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace {

// Window managers answer within a millisecond or two; this bounds the start-up
// delay of one that never does.
constexpr int64_t kFrameAnswerWaitMs = 250;

struct FrameAnswer {
    Window window;
    Atom property;
};

Bool IsFrameAnswer(Display *, XEvent *event, XPointer data)
{
    auto *answer = reinterpret_cast<FrameAnswer *>(data);
    return event->type == PropertyNotify && event->xproperty.window == answer->window &&
           event->xproperty.atom == answer->property;
}

// The _NET_REQUEST_FRAME_EXTENTS message, sent to the root window.
void SendFrameRequest(Display *display, Window window)
{
    XEvent request = {};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
}

// Waits, bounded, for the window manager to set the window's _NET_FRAME_EXTENTS.
bool AwaitFrameAnswer(Display *display, FrameAnswer answer)
{
    int64_t deadline = host::NowMs() + kFrameAnswerWaitMs;
    XEvent event;
    while (!XCheckIfEvent(display, &event, IsFrameAnswer, reinterpret_cast<XPointer>(&answer))) {
        int64_t remaining = deadline - host::NowMs();
        if (remaining <= 0) return false;
        pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(remaining));
    }
    return true;
}

// _NET_FRAME_EXTENTS as insets: its four numbers are left, right, top, bottom.
bool ReadFrameExtents(Display *display, FrameAnswer answer, RECT *insets)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    int status = XGetWindowProperty(display, answer.window, answer.property, 0, 4, False,
                                    XA_CARDINAL, &type, &format, &count, &after, &data);
    bool complete = status == Success && type == XA_CARDINAL && format == 32 && count == 4;
    if (complete) {
        const long *extents = reinterpret_cast<const long *>(data);
        // X counts device pixels; GTK's own are `scale` of them.
        int scale = GtkHost().scale;
        *insets = {int(extents[0]) / scale, int(extents[2]) / scale, int(extents[1]) / scale,
                   int(extents[3]) / scale};
    }
    if (data) XFree(data);
    return complete;
}

bool SameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The frame's rectangle and the thickness of the frame around the window.
void MeasureFrame(GdkWindow *gdkWindow, RECT *outer, RECT *insets)
{
    GdkRectangle frame;
    gdk_window_get_frame_extents(gdkWindow, &frame);
    int x = 0, y = 0;
    gdk_window_get_origin(gdkWindow, &x, &y);
    int width = gdk_window_get_width(gdkWindow), height = gdk_window_get_height(gdkWindow);
    *outer = {frame.x, frame.y, frame.x + frame.width, frame.y + frame.height};
    *insets = {x - frame.x, y - frame.y, outer->right - (x + width), outer->bottom - (y + height)};
}

gboolean OnConfigure(GtkWidget *window, GdkEvent *, gpointer data)
{
    HWND hwnd = static_cast<HWND>(data);
    GdkWindow *gdkWindow = gtk_widget_get_window(window);
    if (!gdkWindow || !gtk_widget_get_mapped(window)) return FALSE;
    RECT outer, insets, known;
    MeasureFrame(gdkWindow, &outer, &insets);
    if (!GetWindowRect(hwnd, &known)) return FALSE;
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    int scale = topLevel ? topLevel->scale : 1;
    outer = ToDevicePixels(outer, scale);
    GtkHostState &state = GtkHost();
    if (!SameRect(insets, state.frameInsets)) {
        // A frame appeared (or changed): keep the outer rectangle the layer has.
        state.frameInsets = insets;
        host::MoveTopLevel(hwnd, known);
        return FALSE;
    }
    // Sizes reach the layer through the client area (client_area.cpp);
    // here only the position is news.
    if (outer.left != known.left || outer.top != known.top) {
        RECT moved = {outer.left, outer.top, outer.left + known.right - known.left,
                      outer.top + known.bottom - known.top};
        NoteDelivery();
        layer::OnMoved(hwnd, moved);
    }
    return FALSE;
}

}  // namespace

bool AskFrameInsets(GtkWidget *window, RECT *insets)
{
    gtk_widget_realize(window);
    GdkWindow *gdkWindow = gtk_widget_get_window(window);
    if (!gdkWindow || !GDK_IS_X11_WINDOW(gdkWindow)) return false;
    GdkAtom request = gdk_atom_intern_static_string("_NET_REQUEST_FRAME_EXTENTS");
    if (!gdk_x11_screen_supports_net_wm_hint(gdk_window_get_screen(gdkWindow), request)) {
        return false;  // no window manager, or one that does not offer it
    }
    Display *display = GDK_WINDOW_XDISPLAY(gdkWindow);
    FrameAnswer answer = {GDK_WINDOW_XID(gdkWindow),
                          XInternAtom(display, "_NET_FRAME_EXTENTS", False)};
    SendFrameRequest(display, answer.window);
    return AwaitFrameAnswer(display, answer) && ReadFrameExtents(display, answer, insets);
}

void WatchFrame(HostTopLevel *topLevel)
{
    g_signal_connect(topLevel->window, "configure-event", G_CALLBACK(OnConfigure), topLevel->hwnd);
}
