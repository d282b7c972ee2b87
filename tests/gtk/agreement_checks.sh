#!/usr/bin/env bash
# Host agreement: one table of scenarios, each run on the headless host (the
# replay driver) and on the real GTK window, whose whole client area, status
# strip included, must be identical pixel for pixel after every step. Run
# under an X server of 1920x1080 without a window manager:
#   xvfb-run -a -s "-screen 0 1920x1080x24" agreement_checks.sh SCENARIO KOVLO REPLAY PROBE
# The GTK window's metrics are measured first (its frame, and its scroll bars
# from a screenshot) and given to the replay driver, so that both runs have
# the same client area. Every wait is for a condition, bounded by a timeout.
# With KOVLO_SCALE=2 (an X server of 3840x2160) the window runs with
# GDK_SCALE=2 and the replay driver with --scale 2: both in device pixels.
set -Eeuo pipefail
scale=${KOVLO_SCALE:-1}

scenario=$1 kovlo=$2 replay=$3 probe=$4
work=$(mktemp -d)
viewer_pid=
cleanup() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then kill "$viewer_pid"; fi
    rm -rf "$work"
}
trap cleanup EXIT

here=$(cd "$(dirname "$0")" && pwd)
check=$scenario
. "$here/../support/x_checks.sh"
. "$here/../support/agreement_table.sh"

row=$(scenario_row "$scenario")
[ -n "$row" ] || fail "unknown scenario"
folder_kind=$(field "$row" 2) steps=$(field "$row" 3) expected=$(field "$row" 4)

pixel_near() { [ "$("$probe" count "$work/shot.png" "$1" "$2" 1 1 "$3" 40)" = 1 ]; }

start_viewer() {
    GDK_SCALE=$scale "$kovlo" "$1" >"$work/viewer.log" 2>&1 &
    viewer_pid=$!
    main=$(find_window "全" "main window")
    eval "$(xdotool getwindowgeometry --shell "$main")"
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
}

stop_viewer() {
    xdotool windowfocus --sync "$main" key Escape
    wait_until "the viewer to end" bash -c "! kill -0 $viewer_pid 2>/dev/null"
    viewer_pid=
}

actual_size_shown() { shoot && pixel_near $((win_x + 300)) $((win_y + 300)) 000080; }

# The frame from the window manager's extents (none without one), and the
# scroll bars' thickness: in the actual-size view of the scroll picture, the
# columns at the window's right edge that are not the picture's mid blue.
measure_metrics() {
    "$probe" folder "$work/measure" scroll
    start_viewer "$work/measure"
    local fx fy fw fh
    read -r fx fy fw fh <<<"$("$probe" frame "$main")"
    frame="$((win_x - fx)),$((win_y - fy)),$((fx + fw - win_x - win_w)),$((fy + fh - win_y - win_h))"
    xdotool windowfocus --sync "$main" key shift
    wait_until "the actual-size view" actual_size_shown
    measure_bar $((win_x + win_w - 1)) $((win_y + 300))
    stop_viewer
}

# The headless references show something, so that a blank window cannot agree
# with blank references: ink in every strip, a picture in at least one view.
references_show_something() {
    local n cw ch pictured=0 strip=$((25 * scale))
    for ((n = 0; n <= step_count; n++)); do
        read -r cw ch <<<"$(size_of "$work/ref_$n.png")"
        [ "$("$probe" count "$work/ref_$n.png" 0 $((ch - strip)) "$cw" $strip 000000 8)" -lt $((cw * strip)) ] ||
            fail "the headless step $n shows an empty status strip"
        [ "$("$probe" count "$work/ref_$n.png" 0 0 "$cw" $((ch - strip)) 000000 8)" -lt $((cw * (ch - strip))) ] &&
            pictured=1
    done
    [ $pictured = 1 ] || fail "no headless step shows a picture"
}

# The headless run: a reference picture of the client area before the first
# step (ref_0.png) and after each (ref_N.png).
run_headless() {
    local n=0 script
    script="png $work/ref_0.png"$'\n'
    while read -r step; do
        n=$((n + 1))
        script+="$step"$'\n'"png $work/ref_$n.png"$'\n'
    done < <(split_steps "$steps")
    "$replay" --screen "$(xdotool getdisplaygeometry | tr ' ' x)" --scale "$scale" --frame "$frame" \
        --bar "$bar" -- "$folder" <<<"$script" \
        >"$work/replay.log" 2>&1 || fail "replay failed: $(cat "$work/replay.log")"
    if grep -q '^replay:' "$work/replay.log"; then fail "replay: $(cat "$work/replay.log")"; fi
    step_count=$n
}

# One step on the real window; $2 is the reference of the state before it.
run_gtk_step() {
    local verb arg
    read -r verb arg <<<"$1"
    case "$verb" in
    key) xdotool windowfocus --sync "$main" key "$(key_for "$arg")" ;;
    hscroll | vscroll) click_for_request "$arg" "$2" "$bar" ;;
    *) fail "no GTK form of step '$1'" ;;
    esac
}

client_matches() {
    shoot
    read -r differing first <<<"$("$probe" differ "$work/shot.png" "$win_x" "$win_y" "$1")"
    [ "$differing" = 0 ]
}

# Waits for the window to show reference N (or, for a known difference, for
# it to settle and still differ).
expect_reference() {
    local reference="$work/ref_$1.png" what="step $1 (${2:-the first picture})"
    if [ "$expected" = same ]; then
        if ! (wait_until "$what" client_matches "$reference") 2>/dev/null; then
            client_matches "$reference" || true
            keep_for_inspection "$1"
            fail "$what: $differing pixels differ, first at $first (GTK/headless)"
        fi
    else
        sleep 1
        if client_matches "$reference"; then fail "$what agrees now: mark it same"; fi
    fi
}

keep_for_inspection() {
    [ -n "${KOVLO_SHOT_DIR:-}" ] || return 0
    cp "$work/shot.png" "$KOVLO_SHOT_DIR/${scenario}_gtk_$1.png"
    cp "$work/ref_$1.png" "$KOVLO_SHOT_DIR/${scenario}_headless_$1.png"
}

# One-pixel detail at device resolution: along a row of the stripes, nearly
# every device pixel differs from its neighbour. A window drawn at half the
# resolution and scaled up would show the columns in equal pairs.
neighbours_differ() {
    local result
    result=$(convert "$work/shot.png" -crop "200x1+$((agree_x + 10))+$((agree_y + 200))" +repage \
        -colorspace gray -depth 8 txt:- |
        awk -F'[(,)]' 'NR > 1 { v = $3 + 0; if (NR > 2) { pairs++; d = v - last; if (d < 0) d = -d; if (d > 100) differing++ } last = v }
                       END { print differing + 0, pairs + 0 }')
    read -r differing pairs <<<"$result"
    [ "$pairs" -gt 0 ] && [ $((differing * 10)) -ge $((pairs * 9)) ] ||
        fail "only $differing of $pairs neighbouring device pixels differ"
}

measure_metrics
folder="$work/$folder_kind"
"$probe" folder "$folder" "$folder_kind" || fail "cannot make the $folder_kind folder"
run_headless
references_show_something
start_viewer "$folder"
agree_x=$win_x agree_y=$win_y
expect_reference 0
n=0
while read -r step; do
    run_gtk_step "$step" "$work/ref_$n.png"
    n=$((n + 1))
    expect_reference "$n" "$step"
done < <(split_steps "$steps")
[ "$n" = "$step_count" ] || fail "ran $n steps of $step_count"
if [ "$folder_kind" = stripes ]; then neighbours_differ; fi
stop_viewer
echo "ok ($scenario: $((n + 1)) pictures agree at scale $scale, frame $frame, bars $bar)"
