// The GTK host's top-level window on a display: GDK key events reach the
// window procedure as WM_KEYDOWN and WM_KEYUP, a held key's repeats fold, scroll bars mirror the layer's records and
// turn GTK's requests into WM_HSCROLL, the client area follows the bars, the
// close box asks the window procedure, and waiting ends as it should.
#include "tests/gtk/host_fixture.h"

#include <gdk/gdkx.h>

namespace {

TEST_F(GtkHostTest, KeyPressesArriveAsVirtualKeysAndAltKeysDoNot)
{
    struct KeyCase {
        guint keyval;
        GdkModifierType state;
        int expected;  // -1: no WM_KEYDOWN
    };
    const KeyCase cases[] = {
        {GDK_KEY_j, GdkModifierType(0), 'J'},
        {GDK_KEY_J, GDK_SHIFT_MASK, 'J'},
        {GDK_KEY_space, GdkModifierType(0), VK_SPACE},
        {GDK_KEY_Shift_R, GdkModifierType(0), VK_SHIFT},
        {GDK_KEY_BackSpace, GdkModifierType(0), VK_BACK},
        // The key of '1', shifted: Windows names the key, not the character.
        {GDK_KEY_exclam, GDK_SHIFT_MASK, '1'},
        {GDK_KEY_j, GDK_MOD1_MASK, -1},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(gdk_keyval_name(c.keyval));
        g_logged.clear();
        PressKey(c.keyval, c.state);
        Settle();
        std::vector<Logged> keys = LoggedOf(WM_KEYDOWN);
        if (c.expected < 0) {
            EXPECT_TRUE(keys.empty());
        } else {
            ASSERT_EQ(keys.size(), 1u);
            EXPECT_EQ(keys[0].wParam, WPARAM(c.expected));
        }
    }
}

// X's detectable auto-repeat: a held key gives presses without releases.
TEST_F(GtkHostTest, APressOfAKeyThatIsDownIsARepeatAndWaitingRepeatsFold)
{
    for (int press = 0; press < 3; ++press) SendWindowKey(GDK_KEY_space, GDK_KEY_PRESS);
    SendWindowKey(GDK_KEY_space, GDK_KEY_RELEASE);
    SendWindowKey(GDK_KEY_space, GDK_KEY_PRESS);  // a new press after the release
    Settle();
    std::vector<LPARAM> keys;
    for (const Logged &entry : g_logged) {
        if (entry.message == WM_KEYDOWN || entry.message == WM_KEYUP) keys.push_back(entry.lParam);
    }
    EXPECT_EQ(keys, (std::vector<LPARAM>{0x00390001, 0x40390002, LPARAM(0xC0390001), 0x00390001}));
    SendWindowKey(GDK_KEY_space, GDK_KEY_RELEASE);
}

TEST_F(GtkHostTest, ShownBarsTakeTheirThicknessFromTheClientAreaWithoutASecondSizeMessage)
{
    const int thickness = host::ScrollBarThickness();
    ShowScrollBar(hwnd_, SB_BOTH, TRUE);
    bool shrunk = PumpUntil([&] {
        return gtk_widget_get_allocated_width(TopLevel()->client) == 800 - thickness;
    });
    ASSERT_TRUE(shrunk) << gtk_widget_get_allocated_width(TopLevel()->client) << " wide, bars of "
                        << thickness;
    Settle();
    RECT client;
    GetClientRect(hwnd_, &client);
    EXPECT_EQ(client.right, 800 - thickness);
    EXPECT_EQ(client.bottom, 600 - thickness);
    EXPECT_EQ(gtk_widget_get_allocated_height(TopLevel()->client), 600 - thickness);
    // The layer's own WM_SIZE only: the host saw nothing new to report.
    EXPECT_EQ(LoggedOf(WM_SIZE).size(), 1u);
    EXPECT_TRUE(gtk_widget_get_visible(TopLevel()->bars[SB_HORZ]));
    EXPECT_TRUE(gtk_widget_get_visible(TopLevel()->bars[SB_VERT]));
}

TEST_F(GtkHostTest, ScrollBarsShowTheLayersRangePageAndPosition)
{
    ShowScrollBar(hwnd_, SB_BOTH, TRUE);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                       0, 200, 10, 40, 0};
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    info.nMax = 5;  // no room: shown greyed
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    GtkAdjustment *horizontal = gtk_range_get_adjustment(GTK_RANGE(TopLevel()->bars[SB_HORZ]));
    EXPECT_EQ(gtk_adjustment_get_lower(horizontal), 0);
    EXPECT_EQ(gtk_adjustment_get_upper(horizontal), 201);
    EXPECT_EQ(gtk_adjustment_get_page_size(horizontal), 10);
    EXPECT_EQ(gtk_adjustment_get_value(horizontal), 40);
    EXPECT_TRUE(gtk_widget_get_sensitive(TopLevel()->bars[SB_HORZ]));
    EXPECT_TRUE(gtk_widget_get_visible(TopLevel()->bars[SB_VERT]));
    EXPECT_FALSE(gtk_widget_get_sensitive(TopLevel()->bars[SB_VERT]));
}

TEST_F(GtkHostTest, TroughPagesThumbDragsAndArrowPressesBecomeWindowsRequests)
{
    ShowScrollBar(hwnd_, SB_BOTH, TRUE);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                       0, 200, 10, 40, 0};
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    // Laid out: as long as the client area is wide.
    ASSERT_TRUE(PumpUntil([&] {
        return gtk_widget_get_allocated_width(TopLevel()->bars[SB_HORZ]) ==
               gtk_widget_get_allocated_width(TopLevel()->client);
    }));
    Settle();
    g_logged.clear();
    GtkWidget *bar = TopLevel()->bars[SB_HORZ];
    gboolean handled = FALSE;
    g_signal_emit_by_name(bar, "change-value", GTK_SCROLL_PAGE_FORWARD, 100.0, &handled);
    g_signal_emit_by_name(bar, "change-value", GTK_SCROLL_JUMP, 120.4, &handled);
    g_signal_emit_by_name(bar, "change-value", GTK_SCROLL_JUMP, 500.0, &handled);  // past the end

    // The release of the thumb, then a press and release on the left arrow.
    GdkEvent *event = gdk_event_new(GDK_BUTTON_RELEASE);
    event->button.button = GDK_BUTTON_PRIMARY;
    g_signal_emit_by_name(bar, "button-release-event", event, &handled);
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(bar), &originX, &originY);
    GtkAllocation area;
    gtk_widget_get_allocation(bar, &area);
    event->type = GDK_BUTTON_PRESS;
    event->button.x_root = originX + area.x + 2;
    event->button.y_root = originY + area.y + area.height / 2;
    g_signal_emit_by_name(bar, "button-press-event", event, &handled);
    EXPECT_TRUE(handled);  // GTK must not glide the value as well
    event->type = GDK_BUTTON_RELEASE;
    g_signal_emit_by_name(bar, "button-release-event", event, &handled);
    gdk_event_free(event);
    Settle();

    const std::vector<std::pair<int, int>> expected = {
        {SB_PAGERIGHT, 0},     {SB_THUMBTRACK, 120}, {SB_THUMBTRACK, 191}, {SB_THUMBPOSITION, 191},
        {SB_ENDSCROLL, 0},     {SB_LINELEFT, 0},     {SB_ENDSCROLL, 0}};
    std::vector<Logged> requests = LoggedOf(WM_HSCROLL);
    ASSERT_EQ(requests.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(LOWORD(requests[i].wParam), expected[i].first) << i;
        EXPECT_EQ(HIWORD(requests[i].wParam), expected[i].second) << i;
    }
    EXPECT_TRUE(LoggedOf(WM_VSCROLL).empty());
}

TEST_F(GtkHostTest, TheClientAreaShowsTheTextCursor)
{
    GdkCursor *cursor = gdk_window_get_cursor(gtk_widget_get_window(TopLevel()->client));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(gdk_cursor_get_cursor_type(cursor), GDK_XTERM);
}

TEST_F(GtkHostTest, TheCloseBoxAsksTheWindowProcedure)
{
    gtk_window_close(GTK_WINDOW(TopLevel()->window));
    ASSERT_TRUE(PumpUntil([] { return !LoggedOf(WM_CLOSE).empty(); }));
    // DefWindowProcA destroyed the window, and the host let go of it.
    EXPECT_EQ(FindTopLevel(hwnd_), nullptr);
}

gboolean PressCloseBox(gpointer window)
{
    gtk_window_close(GTK_WINDOW(window));
    return G_SOURCE_REMOVE;
}

TEST_F(GtkHostTest, WaitingEndsNoEarlierThanTheDeadlineOrWithTheFirstEventForTheLayer)
{
    Settle();
    const int64_t wakeAt = host::NowMs() + 30;
    host::WaitForEvents(wakeAt);
    EXPECT_GE(host::NowMs(), wakeAt);
    // No deadline: only the user's action ends the wait.
    g_idle_add(PressCloseBox, TopLevel()->window);
    host::WaitForEvents(-1);
    EXPECT_EQ(LoggedOf(WM_CLOSE).size(), 1u);
}

// The client pixels are shown from where they are drawn: an image in memory
// shared with the X server (cairo ties such images to the display's device; a
// plain image in the heap has none and would be copied again for every draw).
TEST_F(GtkHostTest, ClientPixelsLiveInMemorySharedWithTheXServer)
{
    cairo_surface_t *surface = layer::ClientSurface(hwnd_);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(cairo_surface_get_type(surface), CAIRO_SURFACE_TYPE_IMAGE);
    EXPECT_EQ(cairo_image_surface_get_format(surface), CAIRO_FORMAT_RGB24);
    EXPECT_NE(cairo_surface_get_device(surface), nullptr);
}

}  // namespace

namespace {

// A press on a bar, held until `release` is called.
GdkEvent *BarButtonEvent(GtkWidget *bar, GdkEventType type, int along)
{
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(bar), &originX, &originY);
    GtkAllocation area;
    gtk_widget_get_allocation(bar, &area);
    GdkEvent *event = gdk_event_new(type);
    event->button.button = GDK_BUTTON_PRIMARY;
    event->button.x_root = originX + area.x + along;
    event->button.y_root = originY + area.y + area.height / 2;
    return event;
}

// Held in the trough, the bar pages (the window procedure moving the thumb
// as the viewer does) until the thumb reaches the pointer, then stops; the
// release ends it with SB_ENDSCROLL.
TEST_F(GtkHostTest, AHeldTroughPagesUntilTheThumbReachesThePointer)
{
    ShowScrollBar(hwnd_, SB_HORZ, TRUE);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 200, 10, 0, 0};
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    GtkWidget *bar = TopLevel()->bars[SB_HORZ];
    ASSERT_TRUE(PumpUntil([&] { return gtk_widget_get_allocated_width(bar) > 400; }));
    Settle();
    g_logged.clear();
    const int along = gtk_widget_get_allocated_width(bar) / 2;
    GdkEvent *press = BarButtonEvent(bar, GDK_BUTTON_PRESS, along);
    gboolean handled = FALSE;
    g_signal_emit_by_name(bar, "button-press-event", press, &handled);
    size_t seen = 0;
    bool stopped = PumpUntil([&] {
        for (; seen < g_logged.size(); ++seen) {
            info.fMask = SIF_POS;
            info.nPos += 10;  // the window procedure moves a page
            SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
        }
        return seen > 0 && TopLevel()->arrowRepeat[SB_HORZ] == 0;
    });
    ASSERT_TRUE(stopped) << seen << " pages";
    int start = 0, end = 0;
    gtk_range_get_slider_range(GTK_RANGE(bar), &start, &end);
    EXPECT_TRUE(start <= along && along < end) << start << ".." << end << " at " << along;
    GdkEvent *release = BarButtonEvent(bar, GDK_BUTTON_RELEASE, along);
    g_signal_emit_by_name(bar, "button-release-event", release, &handled);
    Settle();
    std::vector<Logged> requests = LoggedOf(WM_HSCROLL);
    ASSERT_GE(requests.size(), 3u);
    for (size_t i = 0; i + 1 < requests.size(); ++i) EXPECT_EQ(LOWORD(requests[i].wParam), SB_PAGERIGHT);
    EXPECT_EQ(LOWORD(requests.back().wParam), SB_ENDSCROLL);
    EXPECT_LT(info.nPos, 191);  // it did not run on to the end
    gdk_event_free(press);
    gdk_event_free(release);
}

bool WindowManagerRuns()
{
    GdkScreen *screen = gdk_screen_get_default();
    return GDK_IS_X11_SCREEN(screen) &&
           gdk_x11_screen_supports_net_wm_hint(
               screen, gdk_atom_intern_static_string("_NET_WM_STATE_MAXIMIZED_VERT"));
}

// The window manager minimises, maximises and restores the window, as its
// title bar's buttons would: each change is one WM_SIZE of its kind, as on
// Windows. Runs under a window manager (gtk.host.states starts one).
TEST_F(GtkHostTest, TheWindowManagersStateChangesArriveAsSizeMessages)
{
    if (!WindowManagerRuns()) GTEST_SKIP() << "no window manager";
    struct Step {
        void (*act)(GtkWindow *);
        WPARAM kind;
    };
    const Step steps[] = {
        {gtk_window_iconify, SIZE_MINIMIZED},
        {gtk_window_deiconify, SIZE_RESTORED},
        {gtk_window_maximize, SIZE_MAXIMIZED},
        {gtk_window_unmaximize, SIZE_RESTORED},
    };
    // A maximised window grows once the window manager has placed it, and
    // shrinks again when restored.
    GtkWindow *window = GTK_WINDOW(TopLevel()->window);
    RECT previous;
    GetClientRect(hwnd_, &previous);
    for (const Step &step : steps) {
        SCOPED_TRACE(step.kind);
        g_logged.clear();
        step.act(window);
        RECT client = {0, 0, -1, -1};
        bool arrived = PumpUntil([&] {
            std::vector<Logged> sizes = LoggedOf(WM_SIZE);
            GetClientRect(hwnd_, &client);
            bool grown = step.kind != SIZE_MAXIMIZED || client.right > previous.right;
            bool shrunk = step.act != gtk_window_unmaximize || client.right < previous.right;
            return !sizes.empty() && sizes.back().wParam == step.kind && grown && shrunk;
        });
        ASSERT_TRUE(arrived) << client.right << "x" << client.bottom;
        if (step.kind == SIZE_MINIMIZED) EXPECT_EQ(client.right + client.bottom, 0);
        if (step.kind != SIZE_MINIMIZED) previous = client;
    }
}

}  // namespace
