# Helpers of the real-window checks (tests/gtk/window_checks.sh, tests/wine/),
# sourced by them. They drive a window with xdotool and read screenshots of
# the root window through the probe (tests/gtk/probe.cpp). The caller sets:
#   check     the check's name, for messages
#   work      a scratch folder
#   probe     the probe program
#   client_x, client_y   the screen position of the main window's client area
#   viewer_pid           set by the caller when it starts the viewer
# Every wait is for a condition, bounded by a timeout, and says what it waited for.

fail() { echo "FAIL ($check): $*" >&2; exit 1; }

# Runs "$@" until it succeeds, for at most about ten seconds.
wait_until() {
    local what=$1; shift
    for _ in $(seq 100); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

shoot() { import -window root "$work/shot.png"; }

# A screenshot kept as NAME.png in $KOVLO_SHOT_DIR, for a person to look at.
keep_shot() { shoot; cp "$work/shot.png" "${KOVLO_SHOT_DIR:-$work}/$1.png"; }

# True when the pixel at client (x, y) of the main window in the last
# screenshot is within 40 per channel of RRGGBB.
shot_pixel_is() {
    [ "$("$probe" count "$work/shot.png" $((client_x + $1)) $((client_y + $2)) 1 1 "$3" 40)" = 1 ]
}

# How many pixels of a client rectangle in the last screenshot are near a colour.
shot_count() {
    "$probe" count "$work/shot.png" $((client_x + $1)) $((client_y + $2)) "$3" "$4" "$5" "$6"
}

# The same on a new screenshot.
client_pixel_is() { shoot; shot_pixel_is "$@"; }
client_count() { shoot; shot_count "$@"; }

# The id of the first visible window whose title matches the pattern.
find_window() {
    timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

title_is() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }

# Waits for the viewer to end and checks its exit code.
expect_exit() {
    local code=0
    wait_until "the viewer to end" bash -c "! kill -0 $viewer_pid 2>/dev/null"
    wait "$viewer_pid" || code=$?
    viewer_pid=
    [ "$code" = "$1" ] || fail "exit code $code, expected $1 ($(cat "$work/viewer.log"))"
}

press() { xdotool windowfocus --sync "$1" key "${@:2}"; }
