// GTK host: top-level windows.
// Implements: host::CreateTopLevel, DestroyTopLevel, MoveTopLevel,
//   ShowTopLevel, SetTitle, SetIcon (of a dialog too), SetIbeamCursor,
//   UpdateScrollBar, ClientPixelsChanged; the close box
//   (layer::OnCloseRequested); minimising, maximising and restoring by the
//   user (layer::OnShowStateChanged).
// Does not implement: sizes or positions of its own (the layer decides; this
//   file applies them), drawing (client_area.cpp shows the layer's pixels).
#include "platform/hosts/gtk/gtk_state.h"

#include <algorithm>

namespace {

// The close box: the layer turns it into WM_CLOSE, and destroys the window
// through DefWindowProcA if the application lets it.
gboolean OnDeleteEvent(GtkWidget *, GdkEvent *, gpointer hwnd)
{
    NoteDelivery();
    layer::OnCloseRequested(static_cast<HWND>(hwnd));
    return TRUE;
}

// The X window destroyed from outside (xdotool windowclose, a dying window
// manager): the application hears of it as of the close box, and GTK must not
// destroy the widget under the layer's feet; the layer's DestroyWindow does.
gboolean OnDestroyEvent(GtkWidget *, GdkEvent *, gpointer hwnd)
{
    NoteDelivery();
    layer::OnCloseRequested(static_cast<HWND>(hwnd));
    return TRUE;
}

// The title bar's buttons (or the window manager) changed the state: the
// layer sends WM_SIZE of its kind, with the client area's size as it stands
// (a size-allocate that follows brings a new one).
gboolean OnWindowState(GtkWidget *, GdkEventWindowState *event, gpointer hwnd)
{
    const int states = GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED;
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    if (!topLevel || !(event->changed_mask & states)) return FALSE;
    int state = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED)   ? SW_SHOWMINIMIZED
                : (event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED) ? SW_SHOWMAXIMIZED
                                                                         : SW_SHOWNORMAL;
    NoteDelivery();
    layer::OnShowStateChanged(topLevel->hwnd, state,
                              gtk_widget_get_allocated_width(topLevel->client) * topLevel->scale,
                              gtk_widget_get_allocated_height(topLevel->client) * topLevel->scale);
    return FALSE;
}

// The window is on a monitor of another scale now: the layer sends
// WM_DPICHANGED, whose suggested rectangle comes back through MoveTopLevel.
void OnScaleFactor(GtkWidget *window, GParamSpec *, gpointer hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    int scale = gtk_widget_get_scale_factor(window);
    if (!topLevel || scale < 1 || scale == topLevel->scale) return;
    topLevel->scale = scale;
    NoteDelivery();
    layer::OnScaleChanged(topLevel->hwnd, scale);
}

// The outer rectangle of the layer is the frame's, in device pixels; GTK
// sizes the inside, in its own.
void PlaceWindow(HostTopLevel *topLevel, const RECT &deviceOuter)
{
    RECT outer = ToGtkPixels(deviceOuter, topLevel->scale);
    const RECT &insets = GtkHost().frameInsets;
    int width = outer.right - outer.left - insets.left - insets.right;
    int height = outer.bottom - outer.top - insets.top - insets.bottom;
    GtkWindow *window = GTK_WINDOW(topLevel->window);
    gtk_window_move(window, outer.left, outer.top);
    gtk_window_resize(window, std::max(width, 1), std::max(height, 1));
}

void ApplyIbeam(GtkWidget *client, gpointer)
{
    GdkWindow *gdkWindow = gtk_widget_get_window(client);
    if (!gdkWindow) return;
    GdkCursor *cursor = gdk_cursor_new_for_display(gtk_widget_get_display(client), GDK_XTERM);
    gdk_window_set_cursor(gdkWindow, cursor);
    g_object_unref(cursor);
}

// The frame asked for before the window is shown: the client size the layer
// gave the window (its outer size as if unframed) becomes the one that is left
// inside the frame, before the application hears of any size at all. `outer`
// is a copy: the layer's own rectangle changes with the report.
void LearnFrameInAdvance(HostTopLevel *topLevel, const RECT outer)
{
    RECT insets;
    if (!AskFrameInsets(topLevel->window, &insets)) return;
    GtkHost().frameInsets = insets;
    RECT device = ToDevicePixels(insets, topLevel->scale);
    layer::OnClientResized(topLevel->hwnd, outer.right - outer.left - device.left - device.right,
                           outer.bottom - outer.top - device.top - device.bottom);
    PlaceWindow(topLevel, outer);
}

// The icon as GDK takes it: not premultiplied (gdk_pixbuf_get_from_surface
// undoes cairo's premultiplication).
GdkPixbuf *IconPixbuf(const IconImage &icon)
{
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon.width, icon.height);
    cairo_surface_flush(surface);
    unsigned char *data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < icon.height; ++y)
        std::copy_n(&icon.pixels[size_t(y) * icon.width], icon.width,
                    reinterpret_cast<uint32_t *>(data + size_t(y) * stride));
    cairo_surface_mark_dirty(surface);
    GdkPixbuf *pixbuf = gdk_pixbuf_get_from_surface(surface, 0, 0, icon.width, icon.height);
    cairo_surface_destroy(surface);
    return pixbuf;
}

GtkWidget *BuildContents(HostTopLevel *topLevel)
{
    GtkWidget *grid = gtk_grid_new();
    gtk_grid_attach(GTK_GRID(grid), CreateClientArea(topLevel), 0, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), CreateScrollBar(topLevel, SB_VERT), 1, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), CreateScrollBar(topLevel, SB_HORZ), 0, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), CreateScrollCorner(topLevel), 1, 1, 1, 1);
    gtk_widget_show(topLevel->client);  // the bars wait for UpdateScrollBar
    gtk_widget_show(grid);
    return grid;
}

}  // namespace

void host::CreateTopLevel(HWND hwnd, const RECT &outer)
{
    auto topLevel = std::make_unique<HostTopLevel>();
    topLevel->hwnd = hwnd;
    topLevel->scale = GtkHost().scale;
    topLevel->window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_container_add(GTK_CONTAINER(topLevel->window), BuildContents(topLevel.get()));
    g_signal_connect(topLevel->window, "delete-event", G_CALLBACK(OnDeleteEvent), hwnd);
    g_signal_connect(topLevel->window, "destroy-event", G_CALLBACK(OnDestroyEvent), hwnd);
    g_signal_connect(topLevel->window, "window-state-event", G_CALLBACK(OnWindowState), hwnd);
    g_signal_connect(topLevel->window, "notify::scale-factor", G_CALLBACK(OnScaleFactor), hwnd);
    ConnectKeyPresses(topLevel.get());
    WatchFrame(topLevel.get());
    // Placed first, so that GTK realises the window at its size.
    PlaceWindow(topLevel.get(), outer);
    LearnFrameInAdvance(topLevel.get(), outer);
    GtkHost().topLevels.push_back(std::move(topLevel));
}

void host::DestroyTopLevel(HWND hwnd)
{
    if (GtkWidget *window = TakeHostWindow(GtkHost().topLevels, hwnd)) gtk_widget_destroy(window);
}

void host::MoveTopLevel(HWND hwnd, const RECT &outer)
{
    if (HostTopLevel *topLevel = FindTopLevel(hwnd)) PlaceWindow(topLevel, outer);
}

void host::ShowTopLevel(HWND hwnd, int showCommand)
{
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    if (!topLevel) return;
    GtkWindow *window = GTK_WINDOW(topLevel->window);
    switch (showCommand) {
    case SW_HIDE: gtk_widget_hide(topLevel->window); return;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        // Shown, but not presented: presenting would restore it at once.
        gtk_window_iconify(window);
        gtk_widget_show(topLevel->window);
        return;
    case SW_SHOWMAXIMIZED: gtk_window_maximize(window); break;
    case SW_RESTORE: gtk_window_deiconify(window); gtk_window_unmaximize(window); break;
    default: break;
    }
    gtk_window_present(window);  // shown and given the keyboard, as Windows activates it
}

void host::SetTitle(HWND hwnd, const std::string &utf8)
{
    if (HostTopLevel *topLevel = FindTopLevel(hwnd)) {
        gtk_window_set_title(GTK_WINDOW(topLevel->window), utf8.c_str());
    } else if (HostDialog *dialog = FindDialog(hwnd)) {
        gtk_window_set_title(GTK_WINDOW(dialog->window), utf8.c_str());
    }
}

void host::SetIbeamCursor(HWND hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    if (!topLevel || topLevel->ibeam) return;
    topLevel->ibeam = true;
    // The drawing area's own GdkWindow exists only once it is realised.
    g_signal_connect(topLevel->client, "realize", G_CALLBACK(ApplyIbeam), nullptr);
    ApplyIbeam(topLevel->client, nullptr);
}

void host::SetIcon(HWND hwnd, const IconImage &icon)
{
    GtkWidget *window = nullptr;
    if (HostTopLevel *topLevel = FindTopLevel(hwnd)) window = topLevel->window;
    if (HostDialog *dialog = FindDialog(hwnd)) window = dialog->window;
    if (!window) return;
    if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() != size_t(icon.width) * icon.height) {
        gtk_window_set_icon(GTK_WINDOW(window), nullptr);
        return;
    }
    GdkPixbuf *pixbuf = IconPixbuf(icon);
    gtk_window_set_icon(GTK_WINDOW(window), pixbuf);
    g_object_unref(pixbuf);
}

void host::UpdateScrollBar(HWND hwnd, int bar, const ScrollBarView &view)
{
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    if (topLevel && (bar == SB_HORZ || bar == SB_VERT)) ApplyScrollBarView(topLevel, bar, view);
}

void host::ClientPixelsChanged(HWND hwnd, const RECT &rect)
{
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    if (!topLevel) return;
    RECT area = ToGtkPixels(rect, topLevel->scale);
    gtk_widget_queue_draw_area(topLevel->client, area.left, area.top, area.right - area.left,
                               area.bottom - area.top);
}
