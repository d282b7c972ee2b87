// GTK host: the user's keys (the counterpart of the headless host's script
// and held_key.cpp).
// Implements: key presses and releases on a top-level turned into
//   layer::OnKeyDown and layer::OnKeyUp with the Windows virtual-key code. A
//   press of a key that is already down is the keyboard's auto-repeat: GDK
//   turns on X's detectable auto-repeat, so a held key gives presses with no
//   release between, and the layer folds those into a key-down still waiting.
//   Scroll-bar input is in scroll_bars.cpp, the close box in window.cpp,
//   resizes in client_area.cpp.
// Does not implement: characters (the viewer reads none), keys pressed with
//   Alt (on Windows those are system keys, not WM_KEYDOWN).
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

UINT VirtualKeyOf(const GdkEventKey *event)
{
    UINT virtualKey = VirtualKeyFromKeyval(UnshiftedKeyval(event));
    return virtualKey != 0 ? virtualKey : VirtualKeyFromKeyval(event->keyval);
}

// Notes the key as down; true when it already was.
bool NoteKeyDown(guint16 keycode)
{
    std::vector<guint16> &held = GtkHost().heldKeys;
    if (std::find(held.begin(), held.end(), keycode) != held.end()) return true;
    held.push_back(keycode);
    return false;
}

void NoteKeyUp(guint16 keycode)
{
    std::vector<guint16> &held = GtkHost().heldKeys;
    held.erase(std::remove(held.begin(), held.end(), keycode), held.end());
}

gboolean OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer hwnd)
{
    bool autoRepeat = NoteKeyDown(event->hardware_keycode);
    if (event->state & GDK_MOD1_MASK) return FALSE;
    UINT virtualKey = VirtualKeyOf(event);
    if (virtualKey == 0) return FALSE;
    NoteDelivery();
    layer::OnKeyDown(static_cast<HWND>(hwnd), virtualKey, autoRepeat);
    return TRUE;  // GTK's own key bindings (focus moves) must not see it
}

gboolean OnKeyRelease(GtkWidget *, GdkEventKey *event, gpointer hwnd)
{
    NoteKeyUp(event->hardware_keycode);
    if (event->state & GDK_MOD1_MASK) return FALSE;
    UINT virtualKey = VirtualKeyOf(event);
    if (virtualKey == 0) return FALSE;
    NoteDelivery();
    layer::OnKeyUp(static_cast<HWND>(hwnd), virtualKey);
    return TRUE;
}

// A key released while another window has the keyboard is never reported to
// us: forget what was held, so that its next press counts as a first one.
gboolean OnFocusOut(GtkWidget *, GdkEventFocus *, gpointer)
{
    GtkHost().heldKeys.clear();
    return FALSE;
}

}  // namespace

void ConnectKeyPresses(HostTopLevel *topLevel)
{
    g_signal_connect(topLevel->window, "key-press-event", G_CALLBACK(OnKeyPress), topLevel->hwnd);
    g_signal_connect(topLevel->window, "key-release-event", G_CALLBACK(OnKeyRelease), topLevel->hwnd);
    g_signal_connect(topLevel->window, "focus-out-event", G_CALLBACK(OnFocusOut), nullptr);
}
