// GTK host: the user's keys (the counterpart of the headless host's script).
// Implements: key presses on a top-level turned into layer::OnKeyDown with the
//   Windows virtual-key code; GTK's auto-repeat gives repeated key-downs, as
//   Windows does. Scroll-bar input is in scroll_bars.cpp, the close box in
//   window.cpp, resizes in client_area.cpp.
// Does not implement: key releases or characters (the viewer reads neither),
//   keys pressed with Alt (on Windows those are system keys, not WM_KEYDOWN).
#include "platform/hosts/gtk/gtk_state.h"
#include "platform/hosts/gtk/translate.h"

namespace {

// Virtual-key codes name the key, not the character: Shift+1 is still '1'.
guint UnshiftedKeyval(const GdkEventKey *event)
{
    guint keyval = event->keyval;
    GdkKeymap *keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
    guint plain = 0;
    if (gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, GdkModifierType(0),
                                            event->group, &plain, nullptr, nullptr, nullptr)) {
        keyval = plain;
    }
    return keyval;
}

gboolean OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer hwnd)
{
    if (event->state & GDK_MOD1_MASK) return FALSE;
    UINT virtualKey = VirtualKeyFromKeyval(UnshiftedKeyval(event));
    if (virtualKey == 0) virtualKey = VirtualKeyFromKeyval(event->keyval);
    if (virtualKey == 0) return FALSE;
    NoteDelivery();
    layer::OnKeyDown(static_cast<HWND>(hwnd), virtualKey);
    return TRUE;  // GTK's own key bindings (focus moves) must not see it
}

}  // namespace

void ConnectKeyPresses(HostTopLevel *topLevel)
{
    g_signal_connect(topLevel->window, "key-press-event", G_CALLBACK(OnKeyPress), topLevel->hwnd);
}
