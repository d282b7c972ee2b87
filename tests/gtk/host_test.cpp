// The GTK host on a real display (run under Xvfb): GDK key events reach the
// window procedure as WM_KEYDOWN, scroll bars mirror the layer's records and
// turn GTK's requests into WM_HSCROLL / WM_VSCROLL, the client area follows
// the bars, dialogs are laid out in dialog units and answer Enter, Esc and the
// close box, and the message box shows the caption, text and icon.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/hosts/gtk/dialog_layout.h"
#include "platform/hosts/gtk/gtk_state.h"
#include "platform/text/cp932.h"
#include "platform/user/inspect.h"
#include "resources/dialog_templates.h"

namespace {

struct Logged {
    UINT message;
    WPARAM wParam;
};
std::vector<Logged> g_log;

LRESULT CALLBACK LoggingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_SIZE || message == WM_HSCROLL ||
        message == WM_VSCROLL || message == WM_CLOSE) {
        g_log.push_back({message, wParam});
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<Logged> LoggedOf(UINT message)
{
    std::vector<Logged> found;
    for (const Logged &entry : g_log) {
        if (entry.message == message) found.push_back(entry);
    }
    return found;
}

// Delivers the layer's messages and lets GTK work until `done` holds, for at
// most two seconds of real time: a real display answers when it answers.
bool PumpUntil(const std::function<bool()> &done)
{
    const gint64 end = g_get_monotonic_time() + 2 * G_USEC_PER_SEC;
    while (!done()) {
        if (g_get_monotonic_time() > end) return false;
        MSG msg;
        if (layer::TakeMessageIfAny(&msg)) {
            DispatchMessageA(&msg);
        } else {
            g_main_context_iteration(nullptr, FALSE);
        }
    }
    return true;
}

// Delivers what is waiting, on both sides, until neither has anything.
void Settle()
{
    for (int round = 0; round < 10000; ++round) {
        MSG msg;
        if (layer::TakeMessageIfAny(&msg)) {
            DispatchMessageA(&msg);
        } else if (!g_main_context_iteration(nullptr, FALSE)) {
            return;
        }
    }
}

// A key press as the X server would deliver it to a window: GTK's key
// bindings look keys up by their hardware code.
void SendKey(GdkWindow *window, guint keyval, GdkModifierType state)
{
    GdkKeymapKey *keys = nullptr;
    gint count = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                      keyval, &keys, &count);
    GdkEvent *event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(window));
    event->key.keyval = keyval;
    event->key.state = state;
    event->key.hardware_keycode = count > 0 ? keys[0].keycode : 0;
    event->key.group = count > 0 ? keys[0].group : 0;
    gdk_event_set_device(event, gdk_seat_get_keyboard(
                                    gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_main_do_event(event);
    gdk_event_free(event);
    g_free(keys);
}

class GtkHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "gtk_host_tests";
        static char *args[] = {name, nullptr};
        static char **argv = args;
        InitPlatform(&argc, &argv);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = LoggingWndProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        windowClass.lpszClassName = "GtkHostTest";
        RegisterClassA(&windowClass);
    }

    void SetUp() override
    {
        g_log.clear();
        hwnd_ = CreateWindowExA(0, "GtkHostTest", "test", WS_OVERLAPPEDWINDOW, 100, 100, 800, 600,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hwnd_, nullptr);
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        ASSERT_TRUE(PumpUntil([this] { return gtk_widget_get_mapped(TopLevel()->client); }));
        Settle();
        g_log.clear();
    }

    void TearDown() override
    {
        layer::ResetWindowsAndQueue();
        Settle();
    }

    HostTopLevel *TopLevel() const { return FindTopLevel(hwnd_); }

    void PressKey(guint keyval, GdkModifierType state)
    {
        SendKey(gtk_widget_get_window(TopLevel()->window), keyval, state);
    }

    HWND hwnd_ = nullptr;
};

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
        g_log.clear();
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
    g_log.clear();
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
        {SB_PAGERIGHT, 0}, {SB_THUMBTRACK, 120}, {SB_THUMBTRACK, 191}, {SB_THUMBPOSITION, 191},
        {SB_LINELEFT, 0}};
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

// ---------------------------------------------------------------------------
// Dialogs, with the program's own templates.

struct DialogRun {
    std::function<void(HWND)> act;  // what the user does once it is on screen
    std::vector<int> commands;
    UINT entryValue = 0;
    std::vector<GtkAllocation> boxes;
    std::vector<std::string> texts;
    GdkRectangle frame = {0, 0, 0, 0};
    bool modal = false, transient = false;
};
DialogRun *g_run = nullptr;

int EditIdOf(const DialogTemplate &t)
{
    for (int i = 0; i < t.controlCount; ++i) {
        if (std::string(t.controls[i].className) == "EDIT") return t.controls[i].id;
    }
    return 0;
}

// Records what the dialog looks like once GTK has laid it out, then acts.
gboolean InspectDialog(gpointer dialogHwnd)
{
    HWND dialog = static_cast<HWND>(dialogHwnd);
    HostDialog *shown = FindDialog(dialog);
    if (!shown) return G_SOURCE_REMOVE;
    if (!gtk_widget_get_mapped(shown->window)) return G_SOURCE_CONTINUE;
    for (GtkWidget *control : shown->controls) {
        GtkAllocation box;
        gtk_widget_get_allocation(control, &box);
        g_run->boxes.push_back(box);
        g_run->texts.push_back(GTK_IS_LABEL(control) ? gtk_label_get_text(GTK_LABEL(control)) : "");
    }
    gdk_window_get_frame_extents(gtk_widget_get_window(shown->window), &g_run->frame);
    g_run->modal = gtk_window_get_modal(GTK_WINDOW(shown->window));
    g_run->transient = gtk_window_get_transient_for(GTK_WINDOW(shown->window)) != nullptr;
    g_run->act(dialog);
    return G_SOURCE_REMOVE;
}

INT_PTR CALLBACK RecordingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    const DialogTemplate *t = FindDialogTemplate(GetDlgItem(dialog, 7000) ? "MYEXT2" : "MYEXT");
    if (message == WM_INITDIALOG) {
        SendMessageA(GetDlgItem(dialog, EditIdOf(*t)), EM_LIMITTEXT, 3, 0);
        SetFocus(GetDlgItem(dialog, EditIdOf(*t)));
        // "12枚目中"
        if (GetDlgItem(dialog, 7000)) SetWindowTextA(GetDlgItem(dialog, 7000), "12\x96\x87\x96\xda\x92\x86");
        g_timeout_add(10, InspectDialog, dialog);
        return FALSE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        g_run->commands.push_back(LOWORD(wParam));
        g_run->entryValue = GetDlgItemInt(dialog, EditIdOf(*t), nullptr, FALSE);
        return EndDialog(dialog, LOWORD(wParam) == IDOK);
    }
    return FALSE;
}

GtkWidget *ControlOf(HWND dialog, int id)
{
    HostDialog *shown = FindDialog(dialog);
    for (int i = 0; i < shown->dialogTemplate->controlCount; ++i) {
        if (shown->dialogTemplate->controls[i].id == id) return shown->controls[i];
    }
    return nullptr;
}

GtkWidget *EntryOf(HWND dialog)
{
    HostDialog *shown = FindDialog(dialog);
    for (GtkWidget *control : shown->controls) {
        if (GTK_IS_ENTRY(control)) return control;
    }
    return nullptr;
}

// What a user's typing does: insert at the cursor, as far as the entry allows.
void Type(HWND dialog, const char *text)
{
    GtkWidget *entry = EntryOf(dialog);
    gint position = gtk_editable_get_position(GTK_EDITABLE(entry));
    gtk_editable_insert_text(GTK_EDITABLE(entry), text, -1, &position);
}

INT_PTR RunDialog(HWND owner, const char *name, DialogRun *run)
{
    g_run = run;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), name, owner, RecordingDlgProc, 0);
    g_run = nullptr;
    return result;
}

TEST_F(GtkHostTest, DialogControlsSitAtTheirDialogUnitBoxesInTheTemplatesFont)
{
    for (const char *name : {"MYEXT", "MYEXT2"}) {
        SCOPED_TRACE(name);
        const DialogTemplate *t = FindDialogTemplate(name);
        ASSERT_NE(t, nullptr);
        DialogRun run;
        run.act = [](HWND dialog) { gtk_button_clicked(GTK_BUTTON(ControlOf(dialog, IDOK))); };
        RunDialog(hwnd_, name, &run);
        ASSERT_EQ(run.boxes.size(), size_t(t->controlCount));
        // Base units as the host measures them on this display.
        GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        DialogBaseUnits base = MeasureBaseUnits(window, *t);
        gtk_widget_destroy(window);
        EXPECT_GT(base.x, 0);
        EXPECT_GT(base.y, 0);
        for (int i = 0; i < t->controlCount; ++i) {
            const DialogControlTemplate &c = t->controls[i];
            RECT box = DialogUnitsToPixels(c.x, c.y, c.width, c.height, base);
            EXPECT_EQ(run.boxes[i].x, box.left) << i;
            EXPECT_EQ(run.boxes[i].y, box.top) << i;
            EXPECT_EQ(run.boxes[i].width, box.right - box.left) << i;
            EXPECT_EQ(run.boxes[i].height, box.bottom - box.top) << i;
        }
        EXPECT_TRUE(run.modal);
        EXPECT_TRUE(run.transient);
        // Centred on the owner, whose outer rectangle the layer knows.
        RECT owner;
        GetWindowRect(hwnd_, &owner);
        EXPECT_NEAR(run.frame.x + run.frame.width / 2.0, (owner.left + owner.right) / 2.0, 1.0);
        EXPECT_NEAR(run.frame.y + run.frame.height / 2.0, (owner.top + owner.bottom) / 2.0, 1.0);
    }
}

TEST_F(GtkHostTest, TheMissingTemplateFaceFallsBackToTheSystemsJapaneseGothic)
{
    const DialogTemplate *t = FindDialogTemplate("MYEXT");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(DialogFontFamilies(*t), Cp932ToUtf8(t->faceName) + ",IPAPGothic");
    DialogTemplate standIn = *t;
    standIn.faceName = "IPAPGothic";
    GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    DialogBaseUnits withFace = MeasureBaseUnits(window, *t);
    DialogBaseUnits withStandIn = MeasureBaseUnits(window, standIn);
    gtk_widget_destroy(window);
    // fonts-ipafont-gothic is installed and the template's face is not.
    EXPECT_EQ(withFace.x, withStandIn.x);
    EXPECT_EQ(withFace.y, withStandIn.y);
}

TEST_F(GtkHostTest, TheJumpDialogShowsItsLabelTakesThreeCharactersAndEnterPressesOk)
{
    DialogRun run;
    run.act = [](HWND dialog) {
        Type(dialog, "1234");
        gtk_widget_activate(EntryOf(dialog));  // Enter in the entry
    };
    EXPECT_EQ(RunDialog(hwnd_, "MYEXT2", &run), 1);
    EXPECT_EQ(run.commands, std::vector<int>{IDOK});
    EXPECT_EQ(run.entryValue, 123u);
    EXPECT_EQ(run.texts[1], "12枚目中");
}

void PressDialogKey(HWND dialog, guint keyval)
{
    SendKey(gtk_widget_get_window(FindDialog(dialog)->window), keyval, GdkModifierType(0));
}

// Keys move the focus only in the window that has the keyboard.
void PresentAndWait(GtkWindow *window)
{
    gtk_window_present(window);
    PumpUntil([window] { return gtk_window_has_toplevel_focus(window) == TRUE; });
}

// The template index of the dialog's focused control, -1 for none.
int FocusedControl(HWND dialog)
{
    HostDialog *shown = FindDialog(dialog);
    GtkWidget *focus = gtk_window_get_focus(GTK_WINDOW(shown->window));
    for (size_t i = 0; i < shown->controls.size(); ++i) {
        if (shown->controls[i] == focus) return int(i);
    }
    return -1;
}

TEST_F(GtkHostTest, FocusStartsInTheEntryAndTabFollowsTheTemplatesOrder)
{
    static std::vector<int> visited;
    visited.clear();
    DialogRun run;
    run.act = [](HWND dialog) {
        PresentAndWait(GTK_WINDOW(FindDialog(dialog)->window));
        visited.push_back(FocusedControl(dialog));
        for (int i = 0; i < 3; ++i) {
            PressDialogKey(dialog, GDK_KEY_Tab);
            visited.push_back(FocusedControl(dialog));
        }
        gtk_button_clicked(GTK_BUTTON(ControlOf(dialog, IDCANCEL)));
    };
    RunDialog(hwnd_, "MYEXT2", &run);
    // Entry (2), OK (4), Cancel (5), and round to the entry; the statics never.
    EXPECT_EQ(visited, (std::vector<int>{2, 4, 5, 2}));
}

TEST_F(GtkHostTest, TabFollowsTheTemplateEvenAgainstThePositions)
{
    // Three tab stops whose order down the dialog is the first, the third,
    // the second; a static among them takes no focus.
    const DialogControlTemplate controls[] = {
        {"EDIT", "", 10, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 30, 12},
        {"BUTTON", "", 11, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 35, 40, 12},
        {"STATIC", "", -1, WS_CHILD | WS_VISIBLE, 50, 20, 40, 12},
        {"BUTTON", "", 12, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 20, 40, 12},
    };
    const DialogTemplate t = {"TABTEST", "", 0, 0, 0, 100, 50, 12, "IPAPGothic", controls, 4};
    static int unknownDialog;  // a handle the layer does not know
    HWND handle = reinterpret_cast<HWND>(&unknownDialog);
    host::CreateDialogWindow(handle, hwnd_, t);
    HostDialog *dialog = FindDialog(handle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return gtk_widget_get_mapped(dialog->window) == TRUE; }));
    PresentAndWait(GTK_WINDOW(dialog->window));
    gtk_widget_grab_focus(dialog->controls[0]);
    std::vector<int> visited = {FocusedControl(handle)};
    for (int i = 0; i < 3; ++i) {
        PressDialogKey(handle, GDK_KEY_Tab);
        visited.push_back(FocusedControl(handle));
    }
    host::DestroyDialogWindow(handle);
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 3, 0}));
}

TEST_F(GtkHostTest, EscAndTheCloseBoxCancelTheDialog)
{
    const std::function<void(HWND)> ways[] = {
        [](HWND dialog) {
            Type(dialog, "7");
            PressDialogKey(dialog, GDK_KEY_Escape);
        },
        [](HWND dialog) {
            Type(dialog, "7");
            gtk_window_close(GTK_WINDOW(FindDialog(dialog)->window));
        },
    };
    for (const auto &way : ways) {
        DialogRun run;
        run.act = way;
        EXPECT_EQ(RunDialog(hwnd_, "MYEXT", &run), 0);
        EXPECT_EQ(run.commands, std::vector<int>{IDCANCEL});
    }
}

// ---------------------------------------------------------------------------
// The message box.

struct BoxSeen {
    std::string title, text;
    bool modal = false, icon = false;
};

gboolean AnswerMessageBox(gpointer seen)
{
    GList *windows = gtk_window_list_toplevels();
    for (GList *item = windows; item; item = item->next) {
        if (!GTK_IS_MESSAGE_DIALOG(item->data) || !gtk_widget_get_mapped(GTK_WIDGET(item->data)))
            continue;
        auto *box = static_cast<BoxSeen *>(seen);
        GtkWindow *window = GTK_WINDOW(item->data);
        box->title = gtk_window_get_title(window);
        gchar *text = nullptr;
        g_object_get(window, "text", &text, nullptr);
        box->text = text ? text : "";
        g_free(text);
        box->modal = gtk_window_get_modal(window);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        box->icon = gtk_message_dialog_get_image(GTK_MESSAGE_DIALOG(window)) != nullptr;
        G_GNUC_END_IGNORE_DEPRECATIONS
        gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_OK);
        g_list_free(windows);
        return G_SOURCE_REMOVE;
    }
    g_list_free(windows);
    return G_SOURCE_CONTINUE;
}

TEST_F(GtkHostTest, TheMessageBoxShowsCaptionTextAndTheInformationIcon)
{
    BoxSeen seen;
    guint answer = g_timeout_add(10, AnswerMessageBox, &seen);
    // "JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．" and "Kovlo - /tmp"
    MessageBoxA(nullptr,
                "JPEG(.jpg,.jpeg)\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8c\xa9\x95\x74\x82\xa9"
                "\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x44",
                "Kovlo - /tmp", MB_ICONINFORMATION);
    if (seen.title.empty()) g_source_remove(answer);
    EXPECT_EQ(seen.title, "Kovlo - /tmp");
    EXPECT_EQ(seen.text, "JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．");
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.icon);
}

}  // namespace
