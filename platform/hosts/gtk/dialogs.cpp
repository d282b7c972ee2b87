// GTK host: modal dialogs and the message box.
// Implements: host::CreateDialogWindow, DestroyDialogWindow, SetControlText,
//   SetEditLimit, FocusControl, ShowMessageBox. A dialog is a modal GtkWindow,
//   transient for its owner and centred on it, its controls at the template's
//   positions. Enter and Esc go to the layer's dialog keys (Enter presses
//   the focused push button, else the default one; Esc gives IDCANCEL) and
//   focus changes are reported to it; the close box gives IDCANCEL; buttons
//   give their ids; the entry reports each change of its text. The message box is a modal GtkMessageDialog with an OK button,
//   the caption as title and the information icon for MB_ICONINFORMATION.
//   Tab follows the template's order of WS_TABSTOP controls. A dialog asks
//   the window manager for a close box only, marks its default button, and
//   takes the keyboard when it is mapped, also without a window manager, so
//   that the focused entry shows its caret at once. Its icon comes through
//   host::SetIcon (window.cpp).
// Does not implement: a loop of its own for dialogs (the layer's nested loop
//   runs them), arrow keys moving within a group.
#include <algorithm>

#include "platform/hosts/gtk/dialog_layout.h"
#include "platform/text/cp932.h"
#include "resources/dialog_templates.h"

namespace {

const char kIdKey[] = "kovlo-control-id";

int ControlId(gpointer widget) { return GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kIdKey)); }

void SendCommand(HWND dialog, int commandId)
{
    NoteDelivery();
    layer::OnDialogCommand(dialog, commandId);
}

void OnButtonClicked(GtkButton *button, gpointer dialog)
{
    SendCommand(static_cast<HWND>(dialog), ControlId(button));
}

void OnEntryChanged(GtkEditable *entry, gpointer dialog)
{
    HWND edit = GetDlgItem(static_cast<HWND>(dialog), ControlId(entry));
    if (!edit) return;
    NoteDelivery();
    layer::OnEditTextChanged(edit, gtk_entry_get_text(GTK_ENTRY(entry)));
}

// Enter and Esc take the layer's key path, as on the headless host: Enter
// presses the focused push button, else the default one; Esc cancels.
gboolean OnDialogKey(GtkWidget *, GdkEventKey *event, gpointer dialog)
{
    UINT virtualKey = event->keyval == GDK_KEY_Escape ? VK_ESCAPE
                      : event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter ||
                              event->keyval == GDK_KEY_ISO_Enter
                          ? VK_RETURN
                          : 0;
    if (virtualKey == 0) return FALSE;
    NoteDelivery();
    layer::OnKeyDown(static_cast<HWND>(dialog), virtualKey);
    return TRUE;
}

// GTK moves the focus itself (Tab, clicks); the layer follows it.
gboolean OnControlFocused(GtkWidget *widget, GdkEvent *, gpointer dialog)
{
    if (HWND control = GetDlgItem(static_cast<HWND>(dialog), ControlId(widget))) {
        NoteDelivery();
        layer::OnFocusChanged(control);
    }
    return FALSE;
}

gboolean OnDialogDelete(GtkWidget *, GdkEvent *, gpointer dialog)
{
    SendCommand(static_cast<HWND>(dialog), IDCANCEL);
    return TRUE;  // the layer destroys it when the dialog procedure ends it
}

void ConnectControl(GtkWidget *widget, const DialogControlTemplate &control, HWND dialog,
                    GtkWindow *window)
{
    g_object_set_data(G_OBJECT(widget), kIdKey, GINT_TO_POINTER(control.id));
    g_signal_connect(widget, "focus-in-event", G_CALLBACK(OnControlFocused), dialog);
    if (GTK_IS_BUTTON(widget)) {
        g_signal_connect(widget, "clicked", G_CALLBACK(OnButtonClicked), dialog);
        if (control.style & BS_DEFPUSHBUTTON) {
            gtk_widget_set_can_default(widget, TRUE);
            gtk_window_set_default(window, widget);
        }
    } else if (GTK_IS_ENTRY(widget)) {
        g_signal_connect(widget, "changed", G_CALLBACK(OnEntryChanged), dialog);
    }
}

// Tab visits the controls with WS_TABSTOP in template order, as on Windows,
// not in GTK's order of positions; statics take no focus at all.
void SetTabOrder(GtkWidget *fixed, const HostDialog &dialog)
{
    GList *chain = nullptr;
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.dialogTemplate->controls[i].style & WS_TABSTOP) {
            chain = g_list_append(chain, dialog.controls[i]);
        }
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_container_set_focus_chain(GTK_CONTAINER(fixed), chain);
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_list_free(chain);
}

// Controls at their dialog-unit boxes, inside a fixed area of the template's size.
GtkWidget *LayOutControls(HostDialog *dialog, DialogBaseUnits base)
{
    const DialogTemplate &t = *dialog->dialogTemplate;
    GtkWidget *fixed = gtk_fixed_new();
    RECT size = DialogUnitsToPixels(0, 0, t.width, t.height, base);
    gtk_widget_set_size_request(fixed, size.right, size.bottom);
    for (int i = 0; i < t.controlCount; ++i) {
        const DialogControlTemplate &control = t.controls[i];
        RECT box = DialogUnitsToPixels(control.x, control.y, control.width, control.height, base);
        GtkWidget *widget = CreateControlWidget(control);
        gtk_widget_set_size_request(widget, box.right - box.left, box.bottom - box.top);
        gtk_fixed_put(GTK_FIXED(fixed), widget, box.left, box.top);
        ConnectControl(widget, control, dialog->hwnd, GTK_WINDOW(dialog->window));
        dialog->controls.push_back(widget);
    }
    SetTabOrder(fixed, *dialog);
    return fixed;
}

// Centred on the owner's outer rectangle, both frames included; before the
// window manager has framed the dialog, its frame is taken to be the owner's.
void CentreOnOwner(GtkWindow *window, HWND owner, int outerWidth, int outerHeight)
{
    RECT ownerRect;
    if (!owner || !GetWindowRect(owner, &ownerRect)) {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER);
        return;
    }
    gtk_window_move(window, ownerRect.left + (ownerRect.right - ownerRect.left - outerWidth) / 2,
                    ownerRect.top + (ownerRect.bottom - ownerRect.top - outerHeight) / 2);
}

// The window manager has framed the dialog: centre it again by its own frame.
gboolean OnDialogProperty(GtkWidget *window, GdkEventProperty *event, gpointer dialogHwnd)
{
    HostDialog *dialog = FindDialog(static_cast<HWND>(dialogHwnd));
    if (!dialog || event->atom != gdk_atom_intern_static_string("_NET_FRAME_EXTENTS")) return FALSE;
    GdkRectangle frame;
    gdk_window_get_frame_extents(gtk_widget_get_window(window), &frame);
    CentreOnOwner(GTK_WINDOW(window), dialog->owner, frame.width, frame.height);
    return FALSE;
}

// A modal dialog is moved and closed, never minimised, maximised or resized:
// its frame shows the close box alone.
void OnDialogRealize(GtkWidget *window, gpointer)
{
    GdkWindow *gdkWindow = gtk_widget_get_window(window);
    gdk_window_set_functions(gdkWindow, GdkWMFunction(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
    gdk_window_set_decorations(gdkWindow,
                               GdkWMDecoration(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
}

// The dialog takes the keyboard as soon as it is on screen. A window manager
// would give it on its own; without one nobody does, and the entry would show
// no caret until clicked.
gboolean OnDialogMapped(GtkWidget *window, GdkEvent *, gpointer)
{
    gdk_window_focus(gtk_widget_get_window(window), gtk_get_current_event_time());
    return FALSE;
}

GtkWidget *CreateModalWindow(const DialogTemplate &t, HWND owner)
{
    GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), Cp932ToUtf8(t.caption ? t.caption : "").c_str());
    gtk_window_set_modal(GTK_WINDOW(window), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), TRUE);
    if (HostTopLevel *ownerWindow = FindTopLevel(owner)) {
        gtk_window_set_transient_for(GTK_WINDOW(window), GTK_WINDOW(ownerWindow->window));
    }
    gtk_style_context_add_class(gtk_widget_get_style_context(window), "kovlo-dialog");
    g_signal_connect(window, "realize", G_CALLBACK(OnDialogRealize), nullptr);
    g_signal_connect(window, "map-event", G_CALLBACK(OnDialogMapped), nullptr);
    return window;
}


// GTK 3 message dialogs no longer draw their type's icon; the box shows it, as
// Windows does.
void ShowInformationIcon(GtkWidget *box)
{
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkWidget *icon = gtk_image_new_from_icon_name("dialog-information", GTK_ICON_SIZE_DIALOG);
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), icon);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(icon);
}

}  // namespace

void host::CreateDialogWindow(HWND dialogHwnd, HWND owner, const DialogTemplate &t)
{
    auto dialog = std::make_unique<HostDialog>();
    dialog->hwnd = dialogHwnd;
    dialog->owner = owner;
    dialog->dialogTemplate = &t;
    dialog->window = CreateModalWindow(t, owner);
    DialogBaseUnits base = MeasureBaseUnits(dialog->window, t);
    GtkWidget *fixed = LayOutControls(dialog.get(), base);
    gtk_container_add(GTK_CONTAINER(dialog->window), fixed);
    ApplyDialogFont(dialog->window, t);
    g_signal_connect(dialog->window, "key-press-event", G_CALLBACK(OnDialogKey), dialogHwnd);
    g_signal_connect(dialog->window, "delete-event", G_CALLBACK(OnDialogDelete), dialogHwnd);
    RECT size = DialogUnitsToPixels(0, 0, t.width, t.height, base);
    const RECT &insets = host::FrameInsets();
    CentreOnOwner(GTK_WINDOW(dialog->window), owner, size.right + insets.left + insets.right,
                  size.bottom + insets.top + insets.bottom);
    gtk_widget_add_events(dialog->window, GDK_PROPERTY_CHANGE_MASK);
    g_signal_connect(dialog->window, "property-notify-event", G_CALLBACK(OnDialogProperty),
                     dialogHwnd);
    gtk_widget_show_all(dialog->window);
    GtkHost().dialogs.push_back(std::move(dialog));
}

void host::DestroyDialogWindow(HWND dialogHwnd)
{
    if (GtkWidget *window = TakeHostWindow(GtkHost().dialogs, dialogHwnd)) gtk_widget_destroy(window);
}

// Only controls reach here: a dialog's caption is the template's, shown as
// created.
void host::SetControlText(HWND control, const std::string &utf8)
{
    GtkWidget *widget = FindControlWidget(control);
    if (GTK_IS_LABEL(widget)) {
        gtk_label_set_text(GTK_LABEL(widget), utf8.c_str());
    } else if (GTK_IS_BUTTON(widget)) {
        gtk_button_set_label(GTK_BUTTON(widget), utf8.c_str());
    } else if (GTK_IS_ENTRY(widget)) {
        // The layer already has this text: no change report back to it.
        auto handler = reinterpret_cast<gpointer>(OnEntryChanged);
        g_signal_handlers_block_matched(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr, handler, nullptr);
        gtk_entry_set_text(GTK_ENTRY(widget), utf8.c_str());
        g_signal_handlers_unblock_matched(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr, handler, nullptr);
    }
}

void host::SetEditLimit(HWND edit, int maxCharacters)
{
    GtkWidget *widget = FindControlWidget(edit);
    if (GTK_IS_ENTRY(widget)) gtk_entry_set_max_length(GTK_ENTRY(widget), std::max(maxCharacters, 0));
}

void host::FocusControl(HWND control)
{
    if (GtkWidget *widget = FindControlWidget(control)) gtk_widget_grab_focus(widget);
}

void host::ShowMessageBox(HWND owner, const std::string &textUtf8, const std::string &captionUtf8,
                          UINT type)
{
    HostTopLevel *topLevel = FindTopLevel(owner);
    GtkWindow *parent = topLevel ? GTK_WINDOW(topLevel->window) : nullptr;
    bool information = (type & 0xF0) == MB_ICONINFORMATION;
    GtkWidget *box = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL,
                                            information ? GTK_MESSAGE_INFO : GTK_MESSAGE_OTHER,
                                            GTK_BUTTONS_OK, "%s", textUtf8.c_str());
    gtk_window_set_title(GTK_WINDOW(box), captionUtf8.c_str());
    gtk_window_set_position(GTK_WINDOW(box),
                            parent ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    if (information) ShowInformationIcon(box);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
