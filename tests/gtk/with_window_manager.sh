#!/usr/bin/env bash
# Runs a command under openbox on the current X display, for the checks that
# need a window manager (minimising, maximising). Exit code 77 (skipped)
# without openbox; the window manager is ended with the command.
set -euo pipefail
command -v openbox >/dev/null || { echo "skipped: no openbox"; exit 77; }
openbox >/dev/null 2>&1 &
wm_pid=$!
trap 'kill $wm_pid 2>/dev/null || true' EXIT
# The window manager is there once it has named its check window (within
# thirty seconds on a busy machine).
for _ in $(seq 300); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox did not start" >&2; exit 1; }
"$@"
