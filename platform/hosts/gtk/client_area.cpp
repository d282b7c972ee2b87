// GTK host: the client area of a top-level window (used by window.cpp).
// Implements: host::CreateClientSurface; a GtkDrawingArea that shows the layer's client surface and
//   reports size changes (the user resizing, a scroll bar appearing) with
//   layer::OnClientResized.
// Does not implement: drawing of its own, beyond black where the surface does
//   not reach while a resize is under way.
#include "platform/hosts/gtk/gtk_state.h"

namespace {

// The surface holds device pixels; its device scale, set while GTK draws it,
// makes each of them one pixel of the window, with nothing scaled again.
gboolean DrawClient(GtkWidget *client, cairo_t *cr, gpointer hwnd)
{
    cairo_surface_t *surface = layer::ClientSurface(static_cast<HWND>(hwnd));
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    int scale = topLevel ? topLevel->scale : 1;
    int width = gtk_widget_get_allocated_width(client);
    int height = gtk_widget_get_allocated_height(client);
    int surfaceWidth = surface ? cairo_image_surface_get_width(surface) / scale : 0;
    int surfaceHeight = surface ? cairo_image_surface_get_height(surface) / scale : 0;
    if (surfaceWidth < width || surfaceHeight < height) {
        // Black around the surface: the whole area minus the surface's part.
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, 0, 0, width, height);
        cairo_rectangle(cr, 0, 0, surfaceWidth, surfaceHeight);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_fill(cr);
    }
    if (surface) {
        cairo_surface_set_device_scale(surface, scale, scale);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);  // lets go of the surface
        cairo_surface_set_device_scale(surface, 1, 1);
    }
    return TRUE;
}

// Only a size the layer does not already have is news: the layer changes the
// client size itself when it shows a scroll bar, and a second WM_SIZE for the
// same size would decode the picture again for nothing.
void ClientAllocated(GtkWidget *, GdkRectangle *allocation, gpointer data)
{
    HWND hwnd = static_cast<HWND>(data);
    HostTopLevel *topLevel = FindTopLevel(hwnd);
    int scale = topLevel ? topLevel->scale : GtkHost().scale;
    RECT known;
    if (!GetClientRect(hwnd, &known)) return;
    int width = allocation->width * scale, height = allocation->height * scale;
    if (known.right == width && known.bottom == height) return;
    NoteDelivery();
    layer::OnClientResized(hwnd, width, height);
}

}  // namespace

// On X, an image that the X server reads from shared memory: drawn into the
// window, it is sent as it is. A plain image would be copied into a shared
// block of cairo's own first, which stays allocated beside it (the size of the
// window again: 1.9 MB at 800x600). The root window stands in for the top-level,
// which may not exist yet; any window of the display shares its memory.
cairo_surface_t *host::CreateClientSurface(int width, int height)
{
    GdkScreen *screen = gdk_screen_get_default();
    if (!screen) return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    return gdk_window_create_similar_image_surface(gdk_screen_get_root_window(screen),
                                                   CAIRO_FORMAT_RGB24, width, height, 1);
}

GtkWidget *CreateClientArea(HostTopLevel *topLevel)
{
    GtkWidget *client = gtk_drawing_area_new();
    gtk_widget_set_hexpand(client, TRUE);
    gtk_widget_set_vexpand(client, TRUE);
    g_signal_connect(client, "draw", G_CALLBACK(DrawClient), topLevel->hwnd);
    g_signal_connect(client, "size-allocate", G_CALLBACK(ClientAllocated), topLevel->hwnd);
    topLevel->client = client;
    return client;
}
