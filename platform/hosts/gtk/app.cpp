// GTK host: start-up, the screen and the host's one state record.
// Implements: host::Init, ScreenRect, FrameInsets, ScrollBarThickness,
//   ScaleFactor (the primary monitor's, in device pixels like the rest); the
//   state record and the look-ups from the layer's handles to widgets.
// Does not implement: monitors other than the primary one, work areas,
//   fractional scales (GTK 3 has none). FrameInsets is zero until the window manager
//   has said what frame a window of ours gets (frame.cpp asks before the first
//   window is shown); under a bare X server there is no frame at all.
#include <cstdio>
#include <cstdlib>

#include "platform/hosts/gtk/gtk_state.h"
#include "resources/dialog_templates.h"

GtkHostState &GtkHost()
{
    static GtkHostState state;
    return state;
}

HostTopLevel *FindTopLevel(HWND hwnd)
{
    for (auto &topLevel : GtkHost().topLevels) {
        if (topLevel->hwnd == hwnd) return topLevel.get();
    }
    return nullptr;
}

HostDialog *FindDialog(HWND dialog)
{
    for (auto &entry : GtkHost().dialogs) {
        if (entry->hwnd == dialog) return entry.get();
    }
    return nullptr;
}

// Controls are matched by their id, through the layer, so the host keeps no
// second table of control handles that could drift from the layer's. Statics
// with id -1 are never addressed and need no handle.
GtkWidget *FindControlWidget(HWND control, HostDialog **dialogOut)
{
    for (auto &dialog : GtkHost().dialogs) {
        const DialogTemplate &t = *dialog->dialogTemplate;
        for (int i = 0; i < t.controlCount && i < int(dialog->controls.size()); ++i) {
            int id = t.controls[i].id;
            if (id == -1 || GetDlgItem(dialog->hwnd, id) != control) continue;
            if (dialogOut) *dialogOut = dialog.get();
            return dialog->controls[i];
        }
    }
    return nullptr;
}

namespace {

// Scroll bars with arrow buttons at both ends, as Windows draws them, so that a
// click on an end steps by a line. The dialogs use the template's face (the
// gothic that ships with the system where it is missing) and controls no taller
// than their dialog-unit boxes.
const char kStyleSheet[] =
    "scrollbar { -GtkScrollbar-has-backward-stepper: true;"
    "            -GtkScrollbar-has-forward-stepper: true; }\n"
    ".kovlo-dialog entry { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    ".kovlo-dialog button { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    // The default button (Enter presses it) stands out by its frame.
    ".kovlo-dialog button.default { border-color: @theme_selected_bg_color;"
    "                               box-shadow: inset 0 0 0 1px @theme_selected_bg_color; }\n";

void InstallStyleSheet()
{
    GtkCssProvider *provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kStyleSheet, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

// GTK gives a hidden widget no size, so the bar measured is a shown one.
int MeasureScrollBarThickness()
{
    GtkWidget *bar = gtk_scrollbar_new(GTK_ORIENTATION_VERTICAL, nullptr);
    g_object_ref_sink(bar);
    gtk_widget_show(bar);
    int minimum = 0, natural = 0;
    gtk_widget_get_preferred_width(bar, &minimum, &natural);
    gtk_widget_destroy(bar);
    g_object_unref(bar);
    return natural > 0 ? natural : 1;
}

// The primary monitor's scale factor: 2 under GDK_SCALE=2 or on a desktop
// set to 200%. GTK 3 knows whole factors only; a fractional desktop scale
// reaches it as the next whole one, which the compositor then reduces.
int MeasureScale()
{
    GdkDisplay *display = gdk_display_get_default();
    GdkMonitor *monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    int scale = monitor ? gdk_monitor_get_scale_factor(monitor) : 1;
    return scale > 0 ? scale : 1;
}

// Nothing here draws with OpenGL, yet GDK sets it up when it opens an X
// display, mapping a GL driver (on a machine without a GPU, Mesa's software
// renderer and LLVM: some 40 MiB and tens of milliseconds). A GDK_GL the user
// set is left as it is.
void KeepGdkOffOpenGl()
{
    setenv("GDK_GL", "disable", 0);
}

}  // namespace

void host::Init(int *argc, char ***argv)
{
    KeepGdkOffOpenGl();
    if (!gtk_init_check(argc, argv)) {
        // The exit code of a viewer whose window cannot be created.
        std::fprintf(stderr, "kovlo: cannot open the display\n");
        std::exit(1);
    }
    // A click in a trough pages, as on Windows, instead of moving the thumb there.
    g_object_set(gtk_settings_get_default(), "gtk-primary-button-warps-slider", FALSE, nullptr);
    InstallStyleSheet();
    // The device context's font stays the layer's fixed gothic, whatever the
    // desktop's gtk-font-name: the status strip is the same on every host.
    GtkHost().scrollBarThickness = MeasureScrollBarThickness();
    GtkHost().scale = MeasureScale();
}

RECT host::ScreenRect()
{
    GdkDisplay *display = gdk_display_get_default();
    GdkMonitor *monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    GdkRectangle geometry = {0, 0, 0, 0};
    if (monitor) gdk_monitor_get_geometry(monitor, &geometry);
    return ToDevicePixels({0, 0, geometry.width, geometry.height}, GtkHost().scale);
}

RECT host::FrameInsets() { return ToDevicePixels(GtkHost().frameInsets, GtkHost().scale); }

int host::ScrollBarThickness() { return GtkHost().scrollBarThickness * GtkHost().scale; }

int host::ScaleFactor() { return GtkHost().scale; }
