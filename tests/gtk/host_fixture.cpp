// The shared fixture of the host tests on a display.
#include "tests/gtk/host_fixture.h"

#include "platform/user/observe.h"

std::vector<Logged> g_logged;

namespace {

LRESULT CALLBACK LoggingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SIZE ||
        message == WM_HSCROLL || message == WM_VSCROLL || message == WM_CLOSE) {
        g_logged.push_back({message, wParam, lParam});
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

std::vector<Logged> LoggedOf(UINT message)
{
    std::vector<Logged> found;
    for (const Logged &entry : g_logged) {
        if (entry.message == message) found.push_back(entry);
    }
    return found;
}

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

// GTK's key bindings look keys up by their hardware code, so the event has one.
void SendKey(GdkWindow *window, guint keyval, GdkModifierType state, GdkEventType type)
{
    GdkKeymapKey *keys = nullptr;
    gint count = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                      keyval, &keys, &count);
    GdkEvent *event = gdk_event_new(type);
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

void GtkHostTest::SetUpTestSuite()
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

void GtkHostTest::SetUp()
{
    g_logged.clear();
    hwnd_ = CreateWindowExA(0, "GtkHostTest", "test", WS_OVERLAPPEDWINDOW, 100, 100, 800, 600,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd_, nullptr);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    ASSERT_TRUE(PumpUntil([this] { return gtk_widget_get_mapped(TopLevel()->client); }));
    Settle();
    g_logged.clear();
}

void GtkHostTest::TearDown()
{
    layer::ResetWindowsAndQueue();
    Settle();
}

void GtkHostTest::PressKey(guint keyval, GdkModifierType state)
{
    SendKey(gtk_widget_get_window(TopLevel()->window), keyval, state);
    SendKey(gtk_widget_get_window(TopLevel()->window), keyval, state, GDK_KEY_RELEASE);
}

void GtkHostTest::SendWindowKey(guint keyval, GdkEventType type)
{
    SendKey(gtk_widget_get_window(TopLevel()->window), keyval, GdkModifierType(0), type);
}
