# The host-agreement scenarios, sourced by the GTK checks
# (tests/gtk/agreement_checks.sh) and the Windows program's
# (tests/wine/wine_checks.sh); the CMake files make one test of each row.
# Steps are replay commands, separated by ';'; after the first picture and
# after each step the hosts' client areas are compared with the headless
# host's. The GTK column says what is expected there: "same", or
# "differs: WHY" for a known difference, which fails as soon as it no longer
# differs. The Wine column: "near" for the picture area within the tolerance
# of wine_checks.sh and the strip's texts in the same colours, their ink's
# extents within a pixel of the headless host's.
# The GTK checks run the scenarios of SCALED_SCENARIOS once more on a screen
# of scale 2 (GDK_SCALE=2), against the headless host at --scale 2.
#
# scenario     | folder   | steps                                                  | gtk  | wine
SCENARIOS='
fit            | photo    | -                                                      | same | near
actual_pages   | scroll   | key Shift; hscroll SB_PAGERIGHT; hscroll SB_PAGERIGHT; hscroll SB_PAGELEFT; vscroll SB_PAGEDOWN; vscroll SB_PAGEDOWN; vscroll SB_PAGEUP | same | near
actual_lines   | scroll   | key Shift; hscroll SB_LINERIGHT; hscroll SB_LINERIGHT; hscroll SB_LINELEFT; vscroll SB_LINEDOWN; vscroll SB_LINEDOWN; vscroll SB_LINEUP | same | near
quarter_turn   | tall     | key Right; key Shift                                   | same | near
cannot_open    | broken   | key Shift; key Space                                   | same | near
one_pixel      | one      | key Shift                                              | same | near
panorama       | panorama | key Shift; hscroll SB_PAGERIGHT; hscroll SB_LINELEFT   | same | near
stripes        | stripes  | key Shift                                              | same | -
'

SCALED_SCENARIOS='fit actual_lines one_pixel stripes'

field() { awk -F'|' -v n="$2" '{ gsub(/^ +| +$/, "", $n); print $n }' <<<"$1"; }

# The row of a scenario, or nothing.
scenario_row() { grep -E "^$1 +\|" <<<"$SCENARIOS" || true; }

split_steps() { tr ';' '\n' <<<"$1" | sed 's/^ *//; s/ *$//' | grep -v '^-\?$' || true; }

size_of() { identify -format '%w %h' "$1"; }

# A press and release at a client point, for the bars' arrows and troughs
# (the caller sets agree_x, agree_y: the client area's place on the screen).
click_at() { xdotool mousemove $((agree_x + $1)) $((agree_y + $2)) click 1; }

# Where a user clicks for a scroll request $1, from the client picture $2
# before it and the bars' thickness $3: the arrows at the bars' ends, the
# troughs just inside them.
click_for_request() {
    local cw ch bar=$3 half=$(($3 / 2))
    read -r cw ch <<<"$(size_of "$2")"
    case "$1" in
    SB_LINELEFT) click_at "$half" $((ch + half)) ;;
    SB_LINERIGHT) click_at $((cw - 1 - half)) $((ch + half)) ;;
    SB_PAGELEFT) click_at $((bar + 2)) $((ch + half)) ;;
    SB_PAGERIGHT) click_at $((cw - bar - 3)) $((ch + half)) ;;
    SB_LINEUP) click_at $((cw + half)) "$half" ;;
    SB_LINEDOWN) click_at $((cw + half)) $((ch - 1 - half)) ;;
    SB_PAGEUP) click_at $((cw + half)) $((bar + 2)) ;;
    SB_PAGEDOWN) click_at $((cw + half)) $((ch - bar - 3)) ;;
    *) fail "no click for $1" ;;
    esac
}

key_for() {
    case "$1" in
    Shift) echo shift ;; Space) echo space ;; *) echo "$1" ;;
    esac
}
