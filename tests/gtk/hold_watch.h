// The probe's `hold`: a key held on a window through XTEST, then the window
// watched until it is still.
#pragma once

// Focuses `window`, holds the key named by `keysym` for `holdMs` (through
// XTEST, so the X server's own auto-repeat applies), releases it and watches
// the window's pixels until they have not changed for `quietMs` after a first
// change (or for 10 s when they do not change at all). Prints
// "changes N" (how many times the pixels changed after the release) and
// "settle_ms T" (from the release to the last change, 0 for none). Returns 0,
// 3 when the window was never still within 60 s, 2 on an X error.
int HoldKeyAndWatch(unsigned long window, const char *keysym, int holdMs, int quietMs);
