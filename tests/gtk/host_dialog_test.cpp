// The GTK host's dialogs and message box on a display, with the program's own
// templates: layout in dialog units and the template's font, the entry's
// limit, Enter, Esc, the close box, the focus and Tab, and the message box's
// caption, text and icon.
#include "tests/gtk/host_fixture.h"

#include <string>

#include "platform/hosts/gtk/dialog_layout.h"
#include "platform/text/cp932.h"
#include "resources/dialog_templates.h"

namespace {

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

// The same key path as the headless host: Enter presses the button that has
// the focus, and the default button (OK) from the entry.
TEST_F(GtkHostTest, EnterPressesTheFocusedButton)
{
    const std::pair<int, int> cases[] = {{0, IDOK}, {1, IDOK}, {2, IDCANCEL}, {3, IDOK}};
    for (const auto &[tabs, command] : cases) {
        static int tabCount;
        tabCount = tabs;
        DialogRun run;
        run.act = [](HWND dialog) {
            PresentAndWait(GTK_WINDOW(FindDialog(dialog)->window));
            for (int i = 0; i < tabCount; ++i) PressDialogKey(dialog, GDK_KEY_Tab);
            PressDialogKey(dialog, GDK_KEY_Return);
        };
        RunDialog(hwnd_, "MYEXT2", &run);
        EXPECT_EQ(run.commands, std::vector<int>{command}) << tabs << " tabs";
    }
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
