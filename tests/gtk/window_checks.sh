#!/usr/bin/env bash
# Real-window checks of the viewer on the GTK host. Run under an X server of
# 1920x1080 without a window manager:
#   xvfb-run -a -s "-screen 0 1920x1080x24" window_checks.sh CHECK KOVLO PROBE
# CHECK is one of: start, closing, no_files, stepping, jump, slideshow, resize,
# scroll, framed (the only one with a window manager).
# The checks drive the viewer with xdotool and read screenshots of the root
# window; every wait is for a condition, bounded by a timeout, and every
# failure says why on standard error.
set -Eeuo pipefail

check=$1 kovlo=$2 probe=$3
work=$(mktemp -d)
viewer_pid= wm_pid=
cleanup() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then kill "$viewer_pid"; fi
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL ($check): $*" >&2; exit 1; }
# A command that fails outside a condition ends the script (set -e): name it.
trap 'status=$?; echo "FAIL ($check): line $LINENO: $BASH_COMMAND (status $status)" >&2' ERR

# The bound of every wait. A loaded machine takes seconds to map a window or
# to take a screenshot; a failure shows only once this has passed.
wait_limit=30

# The 800x600 window centred on 1920x1080, and its 800x575 view above the strip.
win_x=560 win_y=240 view_h=575

# Runs "$@" until it succeeds, for at most $wait_limit seconds.
wait_until() {
    local what=$1; shift
    local deadline=$((SECONDS + wait_limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out after $wait_limit s waiting for $what"
        sleep 0.1
    done
}

shoot() { import -window root "$work/shot.png"; }

# A screenshot kept as NAME.png in $KOVLO_SHOT_DIR, for a person to look at.
keep_shot() { shoot; cp "$work/shot.png" "${KOVLO_SHOT_DIR:-$work}/$1.png"; }

# True when the screen pixel at client (x, y) of the main window is within 40
# per channel of RRGGBB.
client_pixel_is() {
    shoot
    [ "$("$probe" count "$work/shot.png" $((win_x + $1)) $((win_y + $2)) 1 1 "$3" 40)" = 1 ]
}

# How many pixels of a client rectangle are near a colour.
client_count() {
    shoot
    "$probe" count "$work/shot.png" $((win_x + $1)) $((win_y + $2)) "$3" "$4" "$5" "$6"
}

start_viewer() {
    "$kovlo" "$1" >"$work/viewer.log" 2>&1 &
    viewer_pid=$!
}

# The id of the first visible window whose title matches the pattern; fails,
# naming WHAT, when none has appeared within $wait_limit seconds.
find_window() {
    local pattern=$1 what=$2 id
    id=$(timeout "$wait_limit" xdotool search --sync --onlyvisible --name "$pattern" | head -n 1) ||
        true
    [ -n "$id" ] || fail "no $what after $wait_limit s"
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

fit_title() { printf ' 全%d枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● %s' "$1" "$2"; }

# A red, a green and a blue picture of 800x600: fitted into the 800x575 view
# at 9583/10000 they are drawn 766x574 at (17, 0).
open_colours() {
    folder="$work/colours"
    "$probe" folder "$folder" colours
    start_viewer "$folder"
    main=$(find_window "全3枚" "main window")
    wait_until "the first picture" client_pixel_is 400 287 FF0000
}

check_start() {
    open_colours
    title_is "$main" "$(fit_title 3 "$folder")" || fail "title '$(xdotool getwindowname "$main")'"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = "$win_x,$win_y,800,600" ] || fail "window at $X,$Y size $WIDTH x $HEIGHT"
    # The picture's corners inside, the margins beside it black.
    client_pixel_is 20 3 FF0000 || fail "top-left of the picture"
    client_pixel_is 779 570 FF0000 || fail "bottom-right of the picture"
    client_pixel_is 8 300 000000 || fail "left margin"
    client_pixel_is 791 300 000000 || fail "right margin"
    # The strip: the green name line on the left, the white key hint on the right.
    [ "$(client_count 0 $view_h 300 25 00FF00 60)" -gt 20 ] || fail "no green name line"
    [ "$(client_count 400 $view_h 400 25 FFFFFF 40)" -gt 20 ] || fail "no white key hint"
    [ "$(client_count 0 $view_h 800 25 FF0000 60)" = 0 ] || fail "picture in the strip"
    keep_shot start
    "$probe" close-box "$main"
    expect_exit 0
}

# The close box, the X window destroyed from outside, and Esc all end with 0.
check_closing() {
    open_colours
    "$probe" close-box "$main"
    expect_exit 0
    open_colours
    xdotool windowclose "$main"
    expect_exit 0
    open_colours
    press "$main" Escape
    expect_exit 0
}

check_no_files() {
    folder="$work/empty"
    "$probe" folder "$folder" empty
    start_viewer "$folder"
    box=$(find_window "^Kovlo - " "message box")
    title_is "$box" "Kovlo - $folder" || fail "caption '$(xdotool getwindowname "$box")'"
    [ -z "$(xdotool search --onlyvisible --name "全" || true)" ] || fail "a main window was shown"
    keep_shot no_files
    kill -0 "$viewer_pid" || fail "ended before the box was dismissed"
    press "$box" Return
    expect_exit 1
}

check_stepping() {
    open_colours
    press "$main" space
    wait_until "the second picture" client_pixel_is 400 287 00FF00
    press "$main" space
    wait_until "the third picture" client_pixel_is 400 287 0000FF
    press "$main" space
    wait_until "the wrap to the first" client_pixel_is 400 287 FF0000
    press "$main" BackSpace
    wait_until "the wrap back to the last" client_pixel_is 400 287 0000FF
    press "$main" Escape
    expect_exit 0
}

frame_is() { [ "$("$probe" frame "$1")" = "$2" ]; }

# The second window's frame has its centre within a pixel of the first's.
frame_centred_on() {
    local ox oy ow oh x y w h
    read -r ox oy ow oh <<<"$("$probe" frame "$1")"
    read -r x y w h <<<"$("$probe" frame "$2")"
    local dx=$((x + w / 2 - ox - ow / 2)) dy=$((y + h / 2 - oy - oh / 2))
    [ "$dx" -ge -1 ] && [ "$dx" -le 1 ] && [ "$dy" -ge -1 ] && [ "$dy" -le 1 ]
}

frame_left_of() {
    local x rest
    read -r x rest <<<"$("$probe" frame "$1")"
    [ "$x" -lt "$2" ]
}

# Moves the main window away from the screen's centre, so that a dialog
# centred on it cannot be centred on the screen by chance; the client pixels
# are then read at the window's new place.
move_main_aside() {
    xdotool windowmove "$main" 100 80
    wait_until "the window moved aside" frame_left_of "$main" 300
    eval "$(xdotool getwindowgeometry --shell "$main")"
    win_x=$X win_y=$Y
}

check_jump() {
    open_colours
    move_main_aside
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    wait_until "the jump dialog centred on the viewer" frame_centred_on "$main" "$dialog"
    keep_shot jump
    in_window "$dialog" type 3
    xdotool key Return
    wait_until "the jump to the third picture" client_pixel_is 400 287 0000FF
    # The entry takes three characters: "0021" is read as 2, not 21 (the last).
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    in_window "$dialog" type 0021
    xdotool key Return
    wait_until "the jump to the second picture" client_pixel_is 400 287 00FF00
    # Esc cancels, which shows the first picture; so does the close box.
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    press "$dialog" Escape
    wait_until "the first picture after Esc" client_pixel_is 400 287 FF0000
    press "$main" space
    wait_until "the second picture" client_pixel_is 400 287 00FF00
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    "$probe" close-box "$dialog"
    wait_until "the first picture after the close box" client_pixel_is 400 287 FF0000
    press "$main" Escape
    expect_exit 0
}

# The colour at the centre of the three pictures, from one screenshot:
# FF0000, 00FF00, 0000FF, or none.
centre_colour() {
    shoot
    local c
    for c in FF0000 00FF00 0000FF; do
        if [ "$("$probe" count "$work/shot.png" $((win_x + 400)) $((win_y + 287)) 1 1 "$c" 40)" = 1 ]; then
            echo "$c"
            return
        fi
    done
    echo none
}

# True when the centre shows another of the pictures than colour $1; the
# colour seen stays in $centre.
centre_moved_from() {
    centre=$(centre_colour)
    [ "$centre" != none ] && [ "$centre" != "$1" ]
}

check_slideshow() {
    open_colours
    press "$main" t
    dialog=$(find_window "^Kovlo: 自動送り$" "interval dialog")
    keep_shot interval
    in_window "$dialog" type 1
    xdotool key Return
    running=$(printf ' 全3枚 ■ [J] で指定番にジャンプ ■ 1秒毎送り中 - [T] で解除 ■ %s' "$folder")
    wait_until "the running-slideshow title" title_is "$main" "$running"
    # A step is a change of picture. Each shows for a second, which a
    # screenshot on a loaded machine can miss: no particular one is awaited.
    wait_until "a slideshow step" centre_moved_from FF0000
    wait_until "a second slideshow step" centre_moved_from "$centre"
    press "$main" t
    wait_until "the title without the slideshow" title_is "$main" "$(fit_title 3 "$folder")"
    press "$main" Escape
    expect_exit 0
}

# The window made 600x400 from outside: the view becomes 600x375 and the red
# picture is fitted again at 6250/10000, 500x375 at (50, 0), with the strip
# along the new bottom edge.
check_resize() {
    open_colours
    xdotool windowsize "$main" 600 400
    wait_until "the picture fitted to the new size" client_pixel_is 53 200 FF0000
    client_pixel_is 46 200 000000 || fail "left margin after the resize"
    client_pixel_is 553 200 000000 || fail "right margin after the resize"
    [ "$(client_count 0 375 300 25 00FF00 60)" -gt 20 ] || fail "no green name line at the new bottom"
    [ "$(client_count 0 375 600 25 FF0000 60)" = 0 ] || fail "picture in the strip"
    press "$main" Escape
    expect_exit 0
}

# Under a window manager (openbox, where installed) the window's outer
# rectangle, frame included, is still 800x600 centred on the screen, and the
# jump dialog is centred on it. Exit code 77 (skipped) without one.
check_framed() {
    command -v openbox >/dev/null || { echo "skipped: no openbox"; exit 77; }
    openbox >"$work/wm.log" 2>&1 &
    wm_pid=$!
    open_colours
    wait_until "the framed window at 560,240 800x600" frame_is "$main" "560 240 800 600"
    move_main_aside
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    wait_until "the framed dialog centred on the framed window" frame_centred_on "$main" "$dialog"
    press "$dialog" Escape
    press "$main" Escape
    expect_exit 0
}

# One 1600x1200 picture at actual size: its left 60 columns red, its top 60
# rows green, the rest mid blue. A page is 60 pixels, a line 10.
check_scroll() {
    folder="$work/scroll"
    "$probe" folder "$folder" scroll
    start_viewer "$folder"
    main=$(find_window "全1枚" "main window")
    press "$main" shift
    wait_until "the actual-size view" client_pixel_is 30 300 FF0080
    [ "$(client_count 0 $view_h 300 22 FFFF00 60)" -gt 20 ] || fail "no yellow name line"
    keep_shot actual_size
    # A click in the horizontal trough pages right: the red columns leave.
    xdotool mousemove $((win_x + 400)) $((win_y + 600 - 4)) click 1
    wait_until "a page to the right" client_pixel_is 30 300 000080
    # The left arrow end steps back one line: image column 55 is red again.
    xdotool mousemove $((win_x + 3)) $((win_y + 600 - 4)) click 1
    wait_until "a line to the left" client_pixel_is 5 300 FF0080
    # The same down and up on the vertical bar, with the green rows.
    xdotool mousemove $((win_x + 800 - 4)) $((win_y + 300)) click 1
    wait_until "a page down" client_pixel_is 300 30 000080
    xdotool mousemove $((win_x + 800 - 4)) $((win_y + 3)) click 1
    wait_until "a line up" client_pixel_is 300 5 00FF80
    [ "$(client_count 0 $view_h 300 22 FFFF00 60)" -gt 20 ] || fail "the name line moved"
    press "$main" Escape
    expect_exit 0
}

case "$check" in
start | closing | no_files | stepping | jump | slideshow | resize | scroll | framed)
    "check_$check" ;;
*) fail "unknown check" ;;
esac
echo "ok ($check)"
