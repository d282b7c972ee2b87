#!/usr/bin/env bash
# Makes the README's screenshot again from the real viewer window: build/app/kovlo
# on the sample folder, under Xvfb with no window manager (so the picture is the
# window's 800x600 client area, the status strip included). Needs what
# `tools/setup.sh test` installs (Xvfb, xdotool, ImageMagick).
#   tools/screenshot.sh [OUTPUT]        default: docs/screenshot.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}")
if [ -z "${KOVLO_ON_XVFB:-}" ]; then
  exec env KOVLO_ON_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$out"
fi
fail() { echo "screenshot: $*" >&2; exit 1; }

cmake --build build --target kovlo samples >/dev/null
work=$(mktemp -d)
build/app/kovlo build/samples >"$work/viewer.log" 2>&1 &
viewer=$!
trap 'kill $viewer 2>/dev/null || true; rm -rf "$work"' EXIT

# The main window (its title counts the files), then the first picture: the
# window's pixels the same in two looks 0.5 s apart, and not all black.
window=$(timeout 30 xdotool search --sync --onlyvisible --name '全' | head -n 1) || true
[ -n "$window" ] || fail "no viewer window after 30 s: $(cat "$work/viewer.log")"
settled() {
  import -window "$window" "$work/a.png" && sleep 0.5 && import -window "$window" "$work/b.png" &&
    [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ] &&
    [ "$(convert "$work/b.png" -format '%[fx:maxima.r+maxima.g+maxima.b>0]' info:)" = 1 ]
}
for _ in $(seq 40); do settled && break; sleep 0.25; done
settled || fail "the window did not settle on a picture within 30 s"
cp "$work/b.png" "$out"
echo "screenshot: $out ($(identify -format '%wx%h' "$out"))"
