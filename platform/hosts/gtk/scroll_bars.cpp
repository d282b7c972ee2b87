// GTK host: the two standard scroll bars of a top-level (used by window.cpp).
// Implements: the bars' widgets and their look (ApplyScrollBarView); the
//   user's actions become layer::OnScrollRequest: the arrow ends SB_LINE*, the
//   trough SB_PAGE*, a thumb drag SB_THUMBTRACK while it moves and
//   SB_THUMBPOSITION on release.
// Does not implement: moving the bar for a line or page request (the
//   application decides, and its next paint sets the position); the mouse
//   wheel (over a Windows scroll bar it sends none of these requests).
#include <cmath>

#include "platform/hosts/gtk/gtk_state.h"
#include "platform/hosts/gtk/translate.h"

namespace {

const char kBarKey[] = "kovlo-bar";

int BarOf(gpointer widget) { return GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kBarKey)); }

int ThumbPositionFor(GtkRange *range, double value)
{
    GtkAdjustment *adjustment = gtk_range_get_adjustment(range);
    double top = gtk_adjustment_get_upper(adjustment) - gtk_adjustment_get_page_size(adjustment);
    double lowest = gtk_adjustment_get_lower(adjustment);
    return int(std::lround(value < lowest ? lowest : value > top ? top : value));
}

// Returns TRUE where GTK must leave the bar alone; a dragged thumb follows the
// pointer as on Windows.
gboolean OnChangeValue(GtkRange *range, GtkScrollType scroll, gdouble value, gpointer hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    if (!topLevel) return TRUE;
    int bar = BarOf(range);
    if (scroll == GTK_SCROLL_JUMP) {
        topLevel->dragging[bar] = true;
        topLevel->dragPosition[bar] = ThumbPositionFor(range, value);
        NoteDelivery();
        layer::OnScrollRequest(topLevel->hwnd, bar, SB_THUMBTRACK, topLevel->dragPosition[bar]);
        return FALSE;
    }
    int code = ScrollRequestFromGtk(scroll);
    if (code < 0) return TRUE;
    NoteDelivery();
    layer::OnScrollRequest(topLevel->hwnd, bar, code, 0);
    return TRUE;
}

gboolean OnButtonReleased(GtkWidget *widget, GdkEventButton *, gpointer hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    int bar = BarOf(widget);
    if (!topLevel || !topLevel->dragging[bar]) return FALSE;
    topLevel->dragging[bar] = false;
    NoteDelivery();
    layer::OnScrollRequest(topLevel->hwnd, bar, SB_THUMBPOSITION, topLevel->dragPosition[bar]);
    return FALSE;
}

gboolean SwallowWheel(GtkWidget *, GdkEvent *, gpointer) { return TRUE; }

}  // namespace

GtkWidget *CreateScrollBar(HostTopLevel *topLevel, int bar)
{
    bool horizontal = bar == SB_HORZ;
    GtkWidget *widget = gtk_scrollbar_new(
        horizontal ? GTK_ORIENTATION_HORIZONTAL : GTK_ORIENTATION_VERTICAL, nullptr);
    int thickness = host::ScrollBarThickness();
    gtk_widget_set_size_request(widget, horizontal ? -1 : thickness, horizontal ? thickness : -1);
    gtk_widget_set_hexpand(widget, horizontal);
    gtk_widget_set_vexpand(widget, !horizontal);
    g_object_set_data(G_OBJECT(widget), kBarKey, GINT_TO_POINTER(bar));
    g_signal_connect(widget, "change-value", G_CALLBACK(OnChangeValue), topLevel->hwnd);
    g_signal_connect(widget, "button-release-event", G_CALLBACK(OnButtonReleased), topLevel->hwnd);
    g_signal_connect(widget, "scroll-event", G_CALLBACK(SwallowWheel), nullptr);
    topLevel->bars[bar] = widget;
    return widget;
}

void ApplyScrollBarView(HostTopLevel *topLevel, int bar, const ScrollBarView &view)
{
    GtkWidget *widget = topLevel->bars[bar];
    GtkAdjustment *adjustment = gtk_range_get_adjustment(GTK_RANGE(widget));
    AdjustmentValues values = AdjustmentForView(view);
    // Under a dragged thumb the pointer, not the application, holds the value.
    double value = topLevel->dragging[bar] ? gtk_adjustment_get_value(adjustment) : values.value;
    gtk_adjustment_configure(adjustment, value, values.lower, values.upper, 1, values.pageSize,
                             values.pageSize);
    gtk_widget_set_sensitive(widget, view.enabled);
    gtk_widget_set_visible(widget, view.visible);
}
