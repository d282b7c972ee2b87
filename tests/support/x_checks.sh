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
# A command that fails outside a condition ends the script (set -e): name it.
# (set -E in the caller carries the trap into functions.)
trap 'status=$?; echo "FAIL ($check): line $LINENO: $BASH_COMMAND (status $status)" >&2' ERR

# The bound of every wait. A loaded machine takes seconds to map a window or
# to take a screenshot; a failure shows only once this has passed.
wait_limit=${wait_limit:-30}

# Runs "$@" until it succeeds, for at most $wait_limit seconds. A command
# named in $wait_note adds what it prints to the failure.
wait_until() {
    local what=$1; shift
    local deadline=$((SECONDS + wait_limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "timed out after $wait_limit s waiting for $what${wait_note:+ ($($wait_note))}"
        sleep 0.1
    done
}

# Runs "$@" again and again for SECONDS (a fraction allowed) and fails, naming
# WHAT, as soon as it fails: for a state that must last, not one awaited.
holds_for() {
    local seconds=$1 what=$2; shift 2
    local end
    end=$(awk -v now="$EPOCHREALTIME" -v s="$seconds" 'BEGIN { printf "%.3f", now + s }')
    while awk -v now="$EPOCHREALTIME" -v end="$end" 'BEGIN { exit !(now < end) }'; do
        "$@" || fail "$what did not last $seconds s"
        sleep 0.1
    done
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

# The id of the first visible window whose title matches PATTERN; fails,
# naming WHAT, when none has appeared within SECONDS (default $wait_limit).
find_window() {
    local pattern=$1 what=$2 limit=${3:-$wait_limit} id
    id=$(timeout "$limit" xdotool search --sync --onlyvisible --name "$pattern" | head -n 1) || true
    [ -n "$id" ] || fail "no $what after $limit s ($(cat "$work/viewer.log" 2>/dev/null))"
    echo "$id"
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

# Focuses a window, then runs one xdotool command in it (key ..., type ...).
in_window() {
    timeout "$wait_limit" xdotool windowfocus --sync "$1" "${@:2}" ||
        fail "could not $2 ${*:3} in window $1"
}

press() { in_window "$1" key "${@:2}"; }

# Which of the three pictures (red, green, blue) shows at client (X, Y) in a
# new screenshot: FF0000, 00FF00, 0000FF, or none.
picture_colour_at() {
    shoot
    local c
    for c in FF0000 00FF00 0000FF; do
        if shot_pixel_is "$1" "$2" "$c"; then echo "$c"; return; fi
    done
    echo none
}

# True when (X, Y) shows one of the pictures, the same as the last time this
# was asked (kept in $shown_colour).
picture_settled() {
    local before=$shown_colour
    shown_colour=$(picture_colour_at "$1" "$2")
    [ "$shown_colour" != none ] && [ "$shown_colour" = "$before" ]
}

picture_is() { [ "$(picture_colour_at "$1" "$2")" = "$3" ]; }

# True when (X, Y) shows another of the pictures than COLOUR; the colour seen
# stays in $shown_colour.
picture_moved_from() {
    shown_colour=$(picture_colour_at "$1" "$2")
    [ "$shown_colour" != none ] && [ "$shown_colour" != "$3" ]
}

# The vertical scroll bar's thickness in $bar: in the actual-size view of the
# scroll picture (mid blue), the columns from screen column RIGHT leftwards on
# row Y that are not the picture's. While the bars are laid out a frame can
# still show the old surface beside them: measured until two shots agree.
measure_bar() {
    bar=0
    wait_until "the same bar thickness twice" bar_measured_again "$1" "$2"
    [ "$bar" -gt 0 ] && [ "$bar" -lt $((40 * ${scale:-1})) ] || fail "no vertical scroll bar measured ($bar)"
}

bar_measured_again() {
    local previous=$bar
    shoot
    bar=0
    while [ $bar -lt $((40 * ${scale:-1})) ] && [ "$("$probe" count "$work/shot.png" $(($1 - bar)) "$2" 1 1 000080 40)" != 1 ]; do
        bar=$((bar + 1))
    done
    [ $bar = "$previous" ]
}

# The slideshow on three pictures (red, green, blue, the first shown): T with
# 1 second shows the running title and advances twice; T again stops it.
# SHOWN is the folder as the title shows it; (X, Y) a client point of the
# pictures; SHOT the name of the interval dialog's screenshot; CHECK, if
# given, a command run with the dialog's window.
run_slideshow() {
    local shown=$1 x=$2 y=$3 shot=$4 check_dialog=${5:-}
    press "$main" t
    dialog=$(find_window "^Kovlo: 自動送り$" "interval dialog")
    keep_shot "$shot"
    [ -z "$check_dialog" ] || "$check_dialog" "$dialog"
    in_window "$dialog" type 1
    xdotool key Return
    local running
    running=$(printf ' 全3枚 ■ [J] で指定番にジャンプ ■ 1秒毎送り中 - [T] で解除 ■ %s' "$shown")
    wait_until "the running-slideshow title" title_is "$main" "$running"
    # A step is a change of picture. Each shows for a second, which a
    # screenshot on a loaded machine can miss: no particular one is awaited.
    wait_until "a slideshow step" picture_moved_from "$x" "$y" FF0000
    wait_until "a second slideshow step" picture_moved_from "$x" "$y" "$shown_colour"
    press "$main" t
    wait_until "the title without the slideshow" title_is "$main" "$(fit_title 3 "$folder")"
}

# The viewer started on an empty folder: the message box with its caption and
# no main window; Enter dismisses it and the program ends with 1. SHOWN is the
# folder as the caption shows it; SHOT the name of the box's screenshot;
# CHECK, if given, a command run with the box's window.
expect_no_files_box() {
    local shown=$1 shot=$2 check_box=${3:-}
    box=$(find_window "^Kovlo - " "message box" 60)
    title_is "$box" "Kovlo - $shown" || fail "caption '$(xdotool getwindowname "$box")'"
    [ -z "$(xdotool search --onlyvisible --name "全" || true)" ] || fail "a main window was shown"
    keep_shot "$shot"
    [ -z "$check_box" ] || "$check_box" "$box"
    kill -0 "$viewer_pid" || fail "ended before the box was dismissed"
    press "$box" Return
    expect_exit 1
}

# The colour of the picture in place RANK of the probe's camera folder: rank + 1
# in base 3, a digit a channel (red first), each 00, 80 or FF.
camera_colour() {
    local n=$(($1 + 1)) colour="" channel
    for channel in 1 2 3; do
        case $((n % 3)) in 0) colour+=00 ;; 1) colour+=80 ;; 2) colour+=FF ;; esac
        n=$((n / 3))
    done
    echo "$colour"
}

# Steps with Space through the COUNT pictures of the camera folder, shown at the
# client point (X, Y): each must be the next in Windows' name order, and the
# last step wraps to the first.
step_through_camera_folder() {
    local count=$1 x=$2 y=$3 rank
    wait_until "the first name in Windows' order" client_pixel_is "$x" "$y" "$(camera_colour 0)"
    for ((rank = 1; rank <= count; rank++)); do
        press "$main" space
        wait_until "name $((rank % count + 1)) of $count in Windows' order" \
            client_pixel_is "$x" "$y" "$(camera_colour $((rank % count)))"
    done
}
