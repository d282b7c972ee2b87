#!/usr/bin/env bash
# How long the viewer runs on after a held Space is let go: from the release
# to the last change of the window, under Xvfb with the X server's own
# auto-repeat (660 ms, then 25 a second). Beside it, one step (a single press
# to its last change) in the same runs, since the run-on is bounded by one.
#
#   bench/hold_settle.sh [FOLDER] [RUNS]
#
# Run from the top of the tree after building build/app/kovlo and
# build/tests/gtk/kovlo-gtk-probe; KOVLO=path measures another viewer binary.
# Without FOLDER it makes 40 names of one 24-megapixel photograph. Each run
# presses Space once, then holds it for 2 s, on the same window; the window
# counts as settled after 1 s without a change. Prints each run and the medians.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

kovlo=${KOVLO:-build/app/kovlo}
probe=build/tests/gtk/kovlo-gtk-probe
runs=${2:-5}
work=$(mktemp -d)
viewer_pid=
cleanup() {
    if [ -n "$viewer_pid" ]; then kill "$viewer_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

folder=${1:-}
if [ -z "$folder" ]; then
    folder="$work/large"
    "$probe" folder "$folder" large
fi

"$kovlo" "$folder" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "全" | head -n 1)
sleep 2  # the first picture

# settle_ms of one probe hold: KEY-hold MS.
settle_after() { "$probe" hold "$window" space "$1" 1000 | sed -n 's/^settle_ms //p'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for run in $(seq "$runs"); do
    step=$(settle_after 0)
    held=$(settle_after 2000)
    echo "run $run: one step $step ms, after a 2 s hold $held ms"
    echo "$step" >>"$work/steps"
    echo "$held" >>"$work/holds"
done
echo "median: one step $(median <"$work/steps") ms, run-on after the release $(median <"$work/holds") ms"
