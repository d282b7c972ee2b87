#!/usr/bin/env bash
# kovlo --help and --version: answered on standard output with exit code 0,
# with no display (they come before the window system is started); only as
# the one argument, so a folder named --help is still shown as ./--help.
#   options_check.sh KOVLO VERSION
set -euo pipefail
kovlo=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# option | a line its output must hold
cases=("--help | usage: kovlo [FOLDER | FILE]" "--help |   Esc                quit" "--version | kovlo $version")
for row in "${cases[@]}"; do
  option=$(echo ${row%%|*}) want=${row#*| } status=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$kovlo" "$option" >"$work/out" 2>"$work/err" || status=$?
  [ $status = 0 ] && [ ! -s "$work/err" ] || fail "kovlo $option: exit code $status, '$(cat "$work/err")'"
  grep -qxF -- "$want" "$work/out" || fail "kovlo $option does not print '$want': $(cat "$work/out")"
done
[ "$(env -u DISPLAY "$kovlo" --version)" = "kovlo $version" ] || fail "--version prints more than its line"

# A folder named --help, given as ./--help: the viewer starts on it (and,
# with no display, stops at the window system, not at the usage).
mkdir "$work/--help"
status=0
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$kovlo" ./--help >"$work/out" 2>&1) || status=$?
! grep -q '^usage:' "$work/out" || fail "./--help printed the usage"
[ $status != 0 ] || fail "./--help without a display exited with 0"
echo "options: --help and --version answer; ./--help is a folder"
