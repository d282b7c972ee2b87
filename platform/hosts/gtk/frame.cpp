// GTK host: the window manager's frame (used by window.cpp).
// Implements: learning the frame of a top-level once it is on screen
//   (host::FrameInsets reports it from then on; the window is resized so that
//   its outer size stays the layer's), and moves of the frame reported with
//   layer::OnMoved.
// Does not implement: asking the window manager in advance
//   (_NET_REQUEST_FRAME_EXTENTS): the first window is placed as if it had no
//   frame and corrected as soon as its frame is known.
#include "platform/hosts/gtk/gtk_state.h"

namespace {

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

void WatchFrame(HostTopLevel *topLevel)
{
    g_signal_connect(topLevel->window, "configure-event", G_CALLBACK(OnConfigure), topLevel->hwnd);
}
