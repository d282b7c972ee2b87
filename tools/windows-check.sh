#!/usr/bin/env bash
# Checks that the application still builds as a Windows program: every source
# of app/, files/, image/ and resources/ is compiled by the MinGW cross-compiler
# against the real <windows.h> (syntax and types; there is no Windows build of
# the JPEG library here to link with), and the resource script is compiled by
# windres. Exits 77 (skipped) when the cross-compiler is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null && command -v x86_64-w64-mingw32-windres >/dev/null || exit 77

# The JPEG library's headers, with its Windows configuration.
include=$(mktemp -d)
trap 'rm -rf "$include"' EXIT
cp /usr/include/jpeglib.h /usr/include/jmorecfg.h /usr/include/jerror.h tools/windows/jconfig.h "$include/"

status=0
for source in app/*.cpp files/*.cpp image/*.cpp resources/*.cpp; do
  [ "$source" = app/main_posix.cpp ] && continue  # the entry off Windows
  if ! "$compiler" -std=c++17 -fsyntax-only -Wall -I. -I"$include" "$source"; then
    echo "windows: $source does not compile"
    status=1
  fi
done
(cd resources && x86_64-w64-mingw32-windres kovlo.rc -O coff -o "$include/kovlo.res") || status=1
[ $status -eq 0 ] && echo "windows: every application source compiles against <windows.h>; kovlo.rc compiles"
exit $status
