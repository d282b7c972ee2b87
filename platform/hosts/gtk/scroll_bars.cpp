// GTK host: the two standard scroll bars of a top-level (used by window.cpp).
// Implements: the bars' widgets and their look (ApplyScrollBarView), the corner
//   between them in the bars' colour while both show; the
//   user's actions become layer::OnScrollRequest: the arrow ends SB_LINE*
//   (repeated while held, as on Windows), the trough SB_PAGE* (repeated while
//   held until the thumb reaches the pointer's place at the press), a thumb
//   drag SB_THUMBTRACK while it moves and SB_THUMBPOSITION on release, and
//   SB_ENDSCROLL when the button is released.
// Does not implement: moving the bar for a line or page request (the
//   application decides, and its next paint sets the position); the mouse
//   wheel (over a Windows scroll bar it sends none of these requests).
#include <cmath>

#include "platform/hosts/gtk/gtk_state.h"
#include "platform/hosts/gtk/translate.h"

namespace {

const char kBarKey[] = "kovlo-bar";
// Windows' rhythm for a held arrow: a pause, then a steady repeat.
const guint kArrowDelayMs = 300;
const guint kArrowRepeatMs = 50;

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

// The trough's request for the pointer's place and the thumb as GTK now
// draws it.
int TroughRequest(HostTopLevel *topLevel, int bar, int along)
{
    int start = 0, end = 0;
    gtk_range_get_slider_range(GTK_RANGE(topLevel->bars[bar]), &start, &end);
    return TroughRequestAt(along, start, end);
}

// Sends the held request again; false (and nothing sent) once a held trough's
// thumb has reached the pointer.
bool SendArrowRequest(HostTopLevel *topLevel, int bar)
{
    int along = topLevel->troughAlong[bar];
    if (along >= 0 && TroughRequest(topLevel, bar, along) != topLevel->arrowRequest[bar]) return false;
    NoteDelivery();
    layer::OnScrollRequest(topLevel->hwnd, bar, topLevel->arrowRequest[bar], 0);
    return true;
}

void StopArrowRepeat(HostTopLevel *topLevel, int bar)
{
    if (topLevel->arrowRepeat[bar]) g_source_remove(topLevel->arrowRepeat[bar]);
    topLevel->arrowRepeat[bar] = 0;
}

// A repeat finds its window by handle, so that a window destroyed meanwhile
// is simply not found.
struct ArrowTick {
    HWND hwnd;
    int bar;
};

void FreeArrowTick(gpointer tick) { delete static_cast<ArrowTick *>(tick); }

// Schedules `step` for the held arrow of that bar, then sends one request; the
// request goes last, since the window procedure may do anything, even destroy
// the window.
void RepeatLater(HostTopLevel *topLevel, int bar, guint delayMs, GSourceFunc step)
{
    topLevel->arrowRepeat[bar] = g_timeout_add_full(
        G_PRIORITY_DEFAULT, delayMs, step, new ArrowTick{topLevel->hwnd, bar}, FreeArrowTick);
}

gboolean RepeatArrow(gpointer data)
{
    auto *tick = static_cast<ArrowTick *>(data);
    HostTopLevel *topLevel = FindTopLevel(tick->hwnd);
    if (!topLevel) return G_SOURCE_REMOVE;
    if (SendArrowRequest(topLevel, tick->bar)) return G_SOURCE_CONTINUE;
    topLevel->arrowRepeat[tick->bar] = 0;
    return G_SOURCE_REMOVE;
}

// After the first pause, the steady repeat takes over.
gboolean StartSteadyRepeat(gpointer data)
{
    auto *tick = static_cast<ArrowTick *>(data);
    HostTopLevel *topLevel = FindTopLevel(tick->hwnd);
    if (!topLevel) return G_SOURCE_REMOVE;
    topLevel->arrowRepeat[tick->bar] = 0;
    HWND hwnd = topLevel->hwnd;
    if (!SendArrowRequest(topLevel, tick->bar)) return G_SOURCE_REMOVE;
    if ((topLevel = FindTopLevel(hwnd)))  // the request may have destroyed it
        RepeatLater(topLevel, tick->bar, kArrowRepeatMs, RepeatArrow);
    return G_SOURCE_REMOVE;
}

// The pointer's place along the bar, in the bar's own coordinates.
int AlongBar(GtkWidget *widget, const GdkEventButton *event, bool horizontal)
{
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(widget), &originX, &originY);
    GtkAllocation area;
    gtk_widget_get_allocation(widget, &area);
    return int(horizontal ? event->x_root - originX - area.x : event->y_root - originY - area.y);
}

// The request a press asks for: a line at an arrow end (GTK keeps its arrow
// buttons' geometry to itself, and they are square), a page in the trough;
// -1 on the thumb, which GTK drags.
int RequestUnder(HostTopLevel *topLevel, int bar, int along)
{
    GtkAllocation area;
    gtk_widget_get_allocation(topLevel->bars[bar], &area);
    bool horizontal = bar == SB_HORZ;
    int end = ArrowEndAt(along, horizontal ? area.width : area.height,
                         horizontal ? area.height : area.width);
    if (end != 0) return end < 0 ? SB_LINEUP : SB_LINEDOWN;
    return TroughRequest(topLevel, bar, along);
}

// GTK 3 turns an arrow press into a smooth glide of the value and pages a
// held trough to the end; Windows sends one request, repeats it while the
// button is held, and stops paging once the thumb reaches the pointer.
gboolean OnButtonPressed(GtkWidget *widget, GdkEventButton *event, gpointer hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    int bar = BarOf(widget);
    if (!topLevel || event->button != GDK_BUTTON_PRIMARY) return FALSE;
    int along = AlongBar(widget, event, bar == SB_HORZ);
    int request = RequestUnder(topLevel, bar, along);
    if (request < 0) return FALSE;
    if (event->type != GDK_BUTTON_PRESS) return TRUE;  // the press before it was the click
    StopArrowRepeat(topLevel, bar);
    topLevel->arrowRequest[bar] = request;
    topLevel->troughAlong[bar] = request == SB_PAGEUP || request == SB_PAGEDOWN ? along : -1;
    RepeatLater(topLevel, bar, kArrowDelayMs, StartSteadyRepeat);
    SendArrowRequest(topLevel, bar);
    return TRUE;
}

// Windows ends every press on a bar with SB_ENDSCROLL, after the thumb's
// SB_THUMBPOSITION when it was dragged.
gboolean OnButtonReleased(GtkWidget *widget, GdkEventButton *event, gpointer hwnd)
{
    HostTopLevel *topLevel = FindTopLevel(static_cast<HWND>(hwnd));
    int bar = BarOf(widget);
    if (!topLevel || event->button != GDK_BUTTON_PRIMARY) return FALSE;
    StopArrowRepeat(topLevel, bar);
    bool dragged = topLevel->dragging[bar];
    topLevel->dragging[bar] = false;
    NoteDelivery();
    if (dragged) layer::OnScrollRequest(topLevel->hwnd, bar, SB_THUMBPOSITION, topLevel->dragPosition[bar]);
    if ((topLevel = FindTopLevel(static_cast<HWND>(hwnd))))
        layer::OnScrollRequest(topLevel->hwnd, bar, SB_ENDSCROLL, 0);
    return FALSE;
}

gboolean SwallowWheel(GtkWidget *, GdkEvent *, gpointer) { return TRUE; }

// The corner is painted as the bars' own background, as Windows fills it.
gboolean DrawCorner(GtkWidget *corner, cairo_t *cr, gpointer bar)
{
    gtk_render_background(gtk_widget_get_style_context(static_cast<GtkWidget *>(bar)), cr, 0, 0,
                          gtk_widget_get_allocated_width(corner),
                          gtk_widget_get_allocated_height(corner));
    return TRUE;
}

}  // namespace

GtkWidget *CreateScrollBar(HostTopLevel *topLevel, int bar)
{
    bool horizontal = bar == SB_HORZ;
    GtkWidget *widget = gtk_scrollbar_new(
        horizontal ? GTK_ORIENTATION_HORIZONTAL : GTK_ORIENTATION_VERTICAL, nullptr);
    int thickness = GtkHost().scrollBarThickness;  // GTK's pixels
    gtk_widget_set_size_request(widget, horizontal ? -1 : thickness, horizontal ? thickness : -1);
    gtk_widget_set_hexpand(widget, horizontal);
    gtk_widget_set_vexpand(widget, !horizontal);
    g_object_set_data(G_OBJECT(widget), kBarKey, GINT_TO_POINTER(bar));
    g_signal_connect(widget, "change-value", G_CALLBACK(OnChangeValue), topLevel->hwnd);
    g_signal_connect(widget, "button-press-event", G_CALLBACK(OnButtonPressed), topLevel->hwnd);
    g_signal_connect(widget, "button-release-event", G_CALLBACK(OnButtonReleased), topLevel->hwnd);
    g_signal_connect(widget, "scroll-event", G_CALLBACK(SwallowWheel), nullptr);
    topLevel->bars[bar] = widget;
    return widget;
}

GtkWidget *CreateScrollCorner(HostTopLevel *topLevel)
{
    topLevel->corner = gtk_drawing_area_new();
    g_signal_connect(topLevel->corner, "draw", G_CALLBACK(DrawCorner), topLevel->bars[SB_VERT]);
    return topLevel->corner;
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
    gtk_widget_set_visible(topLevel->corner, gtk_widget_get_visible(topLevel->bars[SB_HORZ]) &&
                                                 gtk_widget_get_visible(topLevel->bars[SB_VERT]));
}
