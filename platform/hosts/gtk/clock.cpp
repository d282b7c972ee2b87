// GTK host: the clock and waiting for input.
// Implements: host::NowMs (GLib's monotonic clock), host::WaitForEvents (GLib's
//   main loop, with a real GLib timeout for the layer's next timer, such as
//   the slideshow's; once something reached the layer, the rest of the input
//   that has arrived follows it).
// Does not implement: timers of its own; the layer decides when each is due.
#include <algorithm>

#include "platform/hosts/gtk/gtk_state.h"

namespace {

gboolean MarkDeadlineReached(gpointer reached)
{
    *static_cast<bool *>(reached) = true;
    return G_SOURCE_REMOVE;
}

// Windows queues input as it comes; GDK hands it over one event per loop
// iteration. Taking everything that has already arrived before the layer goes
// on keeps the queue as Windows would have it: a held key's repeats that came
// during a slow decode then fold into one key-down instead of each making a
// step of its own long after the key was let go.
void DeliverArrivedEvents()
{
    for (int round = 0; round < 1000 && gdk_events_pending(); ++round) {
        if (!g_main_context_iteration(nullptr, FALSE)) return;
    }
}

}  // namespace

int64_t host::NowMs() { return g_get_monotonic_time() / 1000; }

void host::WaitForEvents(int64_t wakeAtMs)
{
    GtkHostState &state = GtkHost();
    const uint64_t before = state.deliveries;
    bool reached = false;
    guint timeout = 0;
    if (wakeAtMs >= 0) {
        int64_t delay = wakeAtMs - NowMs();
        if (delay <= 0) return;
        timeout = g_timeout_add(guint(std::min<int64_t>(delay, G_MAXINT)), MarkDeadlineReached,
                                &reached);
    }
    // GTK's own work (drawing, layout) also wakes the loop; keep waiting until
    // something reached the layer or the deadline came.
    while (state.deliveries == before && !reached) g_main_context_iteration(nullptr, TRUE);
    if (timeout && !reached) g_source_remove(timeout);
    DeliverArrivedEvents();
}
