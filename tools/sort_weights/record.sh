#!/usr/bin/env bash
# Records Windows' name order under Wine and writes what the layer and its
# tests take from it:
#   platform/files/sort_weights_table.cpp   every code page 932 character's weights
#   tests/files/recorded_orders.txt          groups of names in Windows' order
# Needs MinGW-w64, Wine and the Japanese locale (tools/setup.sh test); the
# build itself never runs this. Run it from anywhere; it takes a few seconds
# once Wine has made its prefix.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
x86_64-w64-mingw32-gcc-posix -O2 -Wall -o "$work/sort_recorder.exe" tools/sort_weights/sort_recorder.c
cat >"$work/recorder" <<RUN
#!/bin/sh
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
exec wine "$work/sort_recorder.exe" "\$@"
RUN
chmod +x "$work/recorder"
python3 tools/sort_weights/make_table.py "$work/recorder" platform/files/sort_weights_table.cpp
python3 tools/sort_weights/make_orders.py "$work/recorder" tests/files/recorded_orders.txt
echo "record.sh: wrote platform/files/sort_weights_table.cpp and tests/files/recorded_orders.txt"
