#!/usr/bin/env bash
# kovlo.exe carries the icon rendered from resources/kovlo.svg: its MYICON
# group, taken out with wrestool, holds the five images of the build's
# kovlo.ico (16, 24, 32, 48 and 256 pixels), pixel for pixel. The suite
# builds the program first (windows.build).
#   exe_icon.sh EXE ICO
set -euo pipefail
exe=$1 ico=$2
[ -f "$exe" ] || { echo "FAIL: no $exe (tools/windows-build.sh builds it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wrestool -x -t 14 -n MYICON "$exe" -o "$work/exe.ico" ||
    { echo "FAIL: no MYICON icon group in $exe"; exit 1; }
sizes() { icotool -l "$1" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | xargs; }
[ "$(sizes "$work/exe.ico")" = "16 24 32 48 256" ] ||
    { echo "FAIL: the program's icon has the sizes '$(sizes "$work/exe.ico")'"; exit 1; }
for i in 0 1 2 3 4; do
    differing=$(compare -metric AE "ico:$work/exe.ico[$i]" "ico:$ico[$i]" null: 2>&1) || true
    [ "$differing" = 0 ] || { echo "FAIL: image $i differs from $ico in $differing pixels"; exit 1; }
done
echo "ok: the program carries the rendered icon"
