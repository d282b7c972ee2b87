#!/usr/bin/env bash
# The viewer as a Wayland client: weston inside Xvfb (its X11 backend, one
# output of the given scale, which gives the client a seat), GDK_BACKEND=wayland.
#   xvfb-run -a -s "-screen 0 2048x1700x24" wayland_checks.sh SCALE KOVLO PROBE
# The window starts and paints the first of three flat pictures, Space shows
# the second, Esc ends the viewer with exit code 0. Key presses go to weston's
# X window, which hands them to the Wayland client it has given the keyboard
# (a new window gets it). No click: weston's own pointer does not follow one
# moved with xdotool, so a click lands where weston's pointer last was (at
# first its panel's terminal launcher) and takes the keyboard away.
# Exit code 77 (skipped) without weston.
set -Eeuo pipefail

scale=$1 kovlo=$2 probe=$3
check=wayland$scale
work=$(mktemp -d)
viewer_pid= weston_pid=
cleanup() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then kill "$viewer_pid"; fi
    if [ -n "$weston_pid" ] && kill -0 "$weston_pid" 2>/dev/null; then kill "$weston_pid"; fi
    rm -rf "$work"
}
trap cleanup EXIT

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/x_checks.sh"
command -v weston >/dev/null || { echo "skipped: no weston (tools/setup.sh test installs it)"; exit 77; }

# Screenshots of the whole X screen: the colours are looked for anywhere.
client_x=0 client_y=0
# A picture in the window: more than a small patch of its colour, and less
# than the whole output (as weston shows a new surface at first).
screen_has() {
    local count
    count=$(client_count 0 0 2000 1600 "$1" 30)
    [ "$count" -gt $((200 * 150 * scale * scale)) ] && [ "$count" -lt $((2000 * 1600 * 3 / 4)) ]
}

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --socket=wayland-kovlo --width=$((2000 / scale)) \
    --height=$((1600 / scale)) --scale="$scale" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_until "weston's socket" test -S "$XDG_RUNTIME_DIR/wayland-kovlo"
# xdotool's search does not see weston's window; xwininfo lists it.
weston_window() { xwininfo -root -children | grep -oE '^ *0x[0-9a-f]+ "Weston Compositor' | grep -oE '0x[0-9a-f]+'; }
wait_until "weston's window" weston_window >/dev/null
output=$(weston_window | head -n 1)

"$probe" folder "$work/colours" colours
# WAYLAND_DEBUG logs the events the viewer receives: a key pressed before
# weston has given the new window the keyboard reaches no client, so the
# check waits for the keyboard to enter first.
WAYLAND_DEBUG=client WAYLAND_DISPLAY=wayland-kovlo GDK_BACKEND=wayland NO_AT_BRIDGE=1 \
    "$kovlo" "$work/colours" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
wait_until "the first picture, red" screen_has FF0000
keep_shot "wayland${scale}_start"
wait_until "the keyboard to enter the window" grep -q 'wl_keyboard@[0-9]*\.enter' "$work/viewer.log"
press "$output" space
keys_received() { echo "key events the viewer received: $(grep -c 'wl_keyboard@[0-9]*\.key(' "$work/viewer.log" || true)"; }
wait_note=keys_received wait_until "the second picture, green" screen_has 00FF00
# The one Space did not become two.
holds_for 1 "the second picture" screen_has 00FF00
press "$output" Escape
expect_exit 0
echo "ok (wayland at scale $scale)"
