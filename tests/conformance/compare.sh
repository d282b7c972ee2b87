#!/usr/bin/env bash
# Runs the conformance program twice, against the layer and as a Windows
# program under Wine, and compares the two outputs byte for byte:
#   xvfb-run -a compare.sh LAYER_PROGRAM WINDOWS_PROGRAM WINE_PREFIX EXPECTED
# EXPECTED lists the differences that are known and explained, each a line
# "- " as the layer prints it and a line "+ " as Wine does, under a comment
# that says why. Those lines count as equal; a listed difference that no
# longer shows fails too, so that it is taken out of the list. On any other
# difference the first differing lines are printed. The suite builds the
# Windows program first (windows.build, tools/windows-build.sh).
set -Eeuo pipefail

layer_program=$1 windows_program=$2 prefix=$3 expected=$4
[ -f "$windows_program" ] || { echo "FAIL: no $windows_program (tools/windows-build.sh builds it)" >&2; exit 1; }
[ -d "$prefix" ] || { echo "no Wine prefix $prefix (the wine.prefix check makes it)"; exit 1; }
prefix=$(cd "$prefix" && pwd)  # Wine takes only an absolute one

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
cleanup() {
    timeout 20 wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$layer_program" >"$work/layer.txt" || { echo "the layer's program failed"; exit 1; }
timeout 90 wine "$windows_program" >"$work/wine.txt" 2>"$work/wine.log" ||
    { echo "the Windows program failed under Wine: $(tail -5 "$work/wine.log")"; exit 1; }
[ -s "$work/wine.txt" ] || { echo "the Windows program wrote nothing"; exit 1; }

# The layer's output with each expected difference put in Wine's words; the
# listed layer lines that were not found are reported on file descriptor 3.
awk -v listed="$expected" '
    BEGIN {
        while ((getline line < listed) > 0) {
            if (line ~ /^- /) from = substr(line, 3)
            else if (line ~ /^\+ /) { to[from] = substr(line, 3); order[++n] = from }
        }
    }
    { if ($0 in to) { seen[$0] = 1; print to[$0] } else print }
    END { for (i = 1; i <= n; i++) if (!(order[i] in seen)) print order[i] > "/dev/fd/3" }
' "$work/layer.txt" >"$work/layer-as-wine.txt" 3>"$work/unseen.txt"

status=0
if [ -s "$work/unseen.txt" ]; then
    echo "listed as expected but no longer printed by the layer (take them out of $expected):"
    cut -c1-200 "$work/unseen.txt"
    status=1
fi
if ! cmp -s "$work/layer-as-wine.txt" "$work/wine.txt"; then
    echo "the outputs differ (< the layer, > Wine), first lines:"
    diff "$work/layer-as-wine.txt" "$work/wine.txt" | head -n 20 | cut -c1-400
    status=1
fi
[ $status = 0 ] && echo "the same answers: $(wc -l <"$work/wine.txt") lines, $(grep -c '^+ ' "$expected") known differences"
exit $status
