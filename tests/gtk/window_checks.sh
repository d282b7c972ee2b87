#!/usr/bin/env bash
# Real-window checks of the viewer on the GTK host. Run under an X server of
# 1920x1080 without a window manager:
#   xvfb-run -a -s "-screen 0 1920x1080x24" window_checks.sh CHECK KOVLO PROBE
# CHECK is one of: start, closing, no_files, camera_order, stepping, unopenable, hold, jump,
# slideshow, resize, scroll, dialog_look, no_gl, framed and framed_decodes (the last two
# with a window manager).
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

. "$(dirname "$0")/../support/x_checks.sh"

# The 800x600 window centred on 1920x1080 (without a window manager its
# client area starts at its corner), and its 800x575 view above the strip.
win_x=560 win_y=240 client_x=560 client_y=240 view_h=575

client_pixel_is_not() { ! client_pixel_is "$@"; }

# A digest of the name line's pixels in the last screenshot.
name_line_digest() {
    convert "$work/shot.png" -crop "300x25+$client_x+$((client_y + view_h))" +repage rgb:- | md5sum
}

# Starts the viewer on a folder; anything after the folder goes before the
# viewer's command (env, strace).
start_viewer() {
    "${@:2}" "$kovlo" "$1" >"$work/viewer.log" 2>&1 &
    viewer_pid=$!
}

fit_title() { printf ' 全%d枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● %s' "$1" "$2"; }

# A red, a green and a blue picture of 800x600: fitted into the 800x575 view
# at 9583/10000 they are drawn 766x574 at (17, 0).
open_colours() {
    folder="$work/colours"
    "$probe" folder "$folder" colours
    start_viewer "$folder" "$@"
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
    expect_no_files_box "$folder" no_files
}

# Camera and phone names step in Windows' name order.
check_camera_order() {
    folder="$work/camera"
    "$probe" folder "$folder" camera || fail "the probe made no camera folder"
    start_viewer "$folder"
    main=$(find_window "全15枚" "main window")
    step_through_camera_folder 15 400 287
    press "$main" Escape
    expect_exit 0
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

# A file the viewer may not read (mode 000; as root the viewer runs as
# nobody, through setpriv, with a copy of the display's cookie): stepping to
# it shows its name with the magenta "cannot open" line and drops the
# previous picture; the next step shows the third picture.
check_unopenable() {
    local as_user=()
    folder="$work/colours"
    if [ "$(id -u)" = 0 ]; then
        chmod 755 "$work"
        cp "${XAUTHORITY:?no XAUTHORITY to lend the viewer}" "$work/xauthority"
        chmod 644 "$work/xauthority"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --
                 env XAUTHORITY="$work/xauthority" HOME="$work")
    fi
    "$probe" folder "$folder" colours
    chmod 000 "$folder/$(ls "$folder" | LC_ALL=C sort | sed -n 2p)"
    start_viewer "$folder" "${as_user[@]}"
    main=$(find_window "全3枚" "main window")
    wait_until "the first picture" client_pixel_is 400 287 FF0000
    press "$main" space
    wait_until "the previous picture to go" client_pixel_is 400 287 000000
    [ "$(client_count 0 $view_h 300 25 FF00FF 60)" -gt 20 ] || fail "no magenta cannot-open line"
    [ "$(client_count 0 $view_h 300 25 00FF00 60)" = 0 ] || fail "the green name line stayed"
    keep_shot unopenable
    press "$main" space
    wait_until "the third picture" client_pixel_is 400 287 0000FF
    press "$main" Escape
    expect_exit 0
}

# Holding Space over 40 names of a photograph that takes longer to decode than
# the 40 ms between the X server's repeats: the window steps on, and once the
# key is up it settles (the probe waits for 1.5 s without a change) with the
# strip showing a later picture; one more press then makes exactly one change,
# so no steps were left waiting. How long the settling takes is measured by
# bench/hold_settle.sh, not here.
check_hold() {
    folder="$work/large"
    "$probe" folder "$folder" large || fail "cannot make the large pictures"
    start_viewer "$folder"
    main=$(find_window "全40枚" "main window")
    wait_until "the first picture" client_pixel_is_not 400 287 000000
    "$probe" hold "$main" space 0 1500 >"$work/first.txt" || fail "no settle after one press"
    local before
    before=$(shoot && name_line_digest)
    "$probe" hold "$main" space 2000 1500 >"$work/held.txt" || fail "no settle after the hold"
    keep_shot hold
    [ "$before" != "$(name_line_digest)" ] || fail "the held key did not step"
    "$probe" hold "$main" space 0 2000 >"$work/after.txt" || fail "no settle after the press"
    grep -qx "changes 1" "$work/after.txt" || fail "one press after the hold: $(tr '\n' ' ' <"$work/after.txt")"
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
    win_x=$X win_y=$Y client_x=$X client_y=$Y
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

# The colour of the screen pixel at client (x, y) of the main window, RRGGBB.
client_colour() {
    shoot
    convert "$work/shot.png" -format "%[hex:p{$((win_x + $1)),$((win_y + $2))}]" info:
}

has_program_icon() { xprop -id "$1" _NET_WM_ICON | grep -q "Icon (32 x 32)"; }

has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

# The window and the dialog show the program icon; the dialog asks for a close
# box alone (Motif hints: functions move and close, decorations border, title
# and menu) and takes the keyboard with no window manager to give it, so that
# typing reaches its entry at once.
check_dialog_look() {
    open_colours
    has_program_icon "$main" || fail "no icon on the main window"
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    has_program_icon "$dialog" || fail "no icon on the dialog"
    hints=$(xprop -id "$dialog" _MOTIF_WM_HINTS)
    [[ "$hints" == *"= 0x3, 0x24, 0x1a,"* ]] || fail "dialog frame hints: $hints"
    wait_until "the dialog to take the keyboard" has_focus "$dialog"
    keep_shot dialog_look
    xdotool type 3
    xdotool key Return
    wait_until "the jump typed without focusing" client_pixel_is 400 287 0000FF
    press "$main" Escape
    expect_exit 0
}

check_slideshow() {
    open_colours
    run_slideshow "$folder" 400 287 interval
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

# Under a window manager the first picture is decoded once: the frame is known
# before the first client size. Opens are counted with strace; the second
# picture, reached with a key that comes after every event of the start-up,
# shows that start-up is over.
check_framed_decodes() {
    command -v openbox >/dev/null || { echo "skipped: no openbox"; exit 77; }
    strace -f -o /dev/null true 2>/dev/null || { echo "skipped: no strace here"; exit 77; }
    openbox >"$work/wm.log" 2>&1 &
    wm_pid=$!
    open_colours strace -f -e trace=open,openat -o "$work/opens.txt"
    wait_until "the framed window at 560,240 800x600" frame_is "$main" "560 240 800 600"
    press "$main" space
    wait_until "the second picture" client_pixel_is 400 287 00FF00
    press "$main" Escape
    expect_exit 0
    local opens
    opens=$(grep -c "/colours/a\.jpg\"" "$work/opens.txt" || true)
    [ "$opens" = 1 ] || fail "the first picture was opened $opens times"
}

# Maps of the viewer's process that belong to OpenGL (the GL dispatch, GLX,
# EGL, Mesa's drivers and LLVM), one a line.
gl_libraries() {
    grep -Eo '/[^ ]*/(libGL[^/]*|libEGL[^/]*|libglapi[^/]*|libLLVM[^/]*|dri/[^/]*)$' \
        "/proc/$viewer_pid/maps" | sort -u || true
}

# The viewer keeps GDK off OpenGL, unless the user asked for it with GDK_GL.
check_no_gl() {
    open_colours env -u GDK_GL
    [ -z "$(gl_libraries)" ] || fail "GL mapped into the viewer: $(gl_libraries | tr '\n' ' ')"
    press "$main" Escape
    expect_exit 0
    # GL drawing does not reach Xvfb's screenshots: the window is enough here.
    start_viewer "$folder" env GDK_GL=always
    main=$(find_window "全3枚" "main window with GDK_GL=always")
    [ -n "$(gl_libraries)" ] || fail "GDK_GL=always from the user was overridden"
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
    # The corner between the bars takes their colour, not the window's.
    corner=$(client_colour 798 598) bar=$(client_colour 1 598)
    [ "$corner" = "$bar" ] || fail "the corner is $corner, the bars $bar"
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
start | closing | no_files | camera_order | stepping | unopenable | hold | jump | slideshow | resize | \
    scroll | dialog_look | framed | framed_decodes | no_gl)
    "check_$check" ;;
*) fail "unknown check" ;;
esac
echo "ok ($check)"
