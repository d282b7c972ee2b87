# Helpers of the real-window checks (tests/gtk/window_checks.sh, tests/wine/),
# sourced by them. They drive a window with xdotool and read screenshots of
# the root window through the probe (tests/gtk/probe.cpp). The caller sets:
#   check     the check's name, for messages
#   work      a scratch folder
#   probe     the probe program
#   client_x, client_y   the screen position of the main window's client area
#   viewer_pid           set by the caller when it starts the viewer
#   main, folder         the main window and its folder, for the shared checks
#   fit_title N FOLDER   a function: the title of the fit view
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

# The slideshow on three pictures (red, green, blue, the first shown): T with
# 1 second shows the running title and advances twice; T again stops it.
# SHOWN is the folder as the title shows it; (X, Y) a client point of the
# pictures; SHOT the name of the interval dialog's screenshot.
run_slideshow() {
    local shown=$1 x=$2 y=$3 shot=$4
    press "$main" t
    dialog=$(find_window "^Kovlo: 自動送り$")
    [ -n "$dialog" ] || fail "no interval dialog"
    keep_shot "$shot"
    xdotool windowfocus --sync "$dialog" type 1
    xdotool key Return
    local running
    running=$(printf ' 全3枚 ■ [J] で指定番にジャンプ ■ 1秒毎送り中 - [T] で解除 ■ %s' "$shown")
    wait_until "the running-slideshow title" title_is "$main" "$running"
    wait_until "a slideshow step" client_pixel_is "$x" "$y" 00FF00
    wait_until "a second slideshow step" client_pixel_is "$x" "$y" 0000FF
    press "$main" t
    wait_until "the title without the slideshow" title_is "$main" "$(fit_title 3 "$folder")"
}

# The viewer started on an empty folder: the message box with its caption and
# no main window; Enter dismisses it and the program ends with 1. SHOWN is the
# folder as the caption shows it; SHOT the name of the box's screenshot.
expect_no_files_box() {
    local shown=$1 shot=$2
    box=$(find_window "^Kovlo - " 60)
    [ -n "$box" ] || fail "no message box ($(cat "$work/viewer.log"))"
    title_is "$box" "Kovlo - $shown" || fail "caption '$(xdotool getwindowname "$box")'"
    [ -z "$(xdotool search --onlyvisible --name "全" || true)" ] || fail "a main window was shown"
    keep_shot "$shot"
    kill -0 "$viewer_pid" || fail "ended before the box was dismissed"
    press "$box" Return
    expect_exit 1
}
