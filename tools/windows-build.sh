#!/usr/bin/env bash
# Builds the Windows program, build-windows/kovlo.exe: one self-contained GUI
# executable from app/, files/, image/ and resources/kovlo.rc, cross-compiled
# with MinGW-w64 (cmake/mingw-w64-x86_64.cmake), and the conformance program
# build-windows/conformance.exe (tests/conformance/). Then what a Windows user
# downloads (data/windows/), with the version in their names:
#   build-windows/kovlo-VERSION-windows-x64.zip   the portable zip
#   build-windows/kovlo-VERSION-setup.exe         the installer (NSIS)
#
# The JPEG library is Debian's own libjpeg-turbo source package (fetched by
# tools/setup.sh into build-windows/source/), built once for Windows as a
# static library with its NASM SIMD code and installed in build-windows/jpeg/;
# a later run finds it there and does not build it again. The program compiles
# against that installation's jconfig.h and jpeglib.h only; the library's
# licences go with the program (build-windows/jpeg/notices/).
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
jpeg=$PWD/$out/jpeg

fail() { echo "windows-build: $*" >&2; exit 1; }

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres nasm cmake ninja makensis; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup.sh test installs it)"
done

build_jpeg() {
  [ -f "$jpeg/lib/libjpeg.a" ] && return 0
  local source
  source=$(ls -d "$out"/source/libjpeg-turbo-*/ 2>/dev/null | head -n 1)
  [ -n "$source" ] || fail "no libjpeg-turbo source in $out/source/ (tools/setup.sh test fetches it)"
  echo "windows-build: libjpeg-turbo from $source"
  cmake -S "$source" -B "$out/jpeg-build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$jpeg" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm >"$out/jpeg-configure.log" ||
    fail "libjpeg-turbo does not configure (see $out/jpeg-configure.log)"
  cmake --build "$out/jpeg-build" --target jpeg-static >/dev/null ||
    fail "libjpeg-turbo does not build"
  # The library and the four headers a program includes; the build's own
  # jconfig.h is the Windows configuration.
  mkdir -p "$jpeg/lib" "$jpeg/include"
  cp "$out/jpeg-build/jconfig.h" "$source"/{jpeglib.h,jmorecfg.h,jerror.h} "$jpeg/include/"
  cp "$out/jpeg-build/libjpeg.a" "$jpeg/lib/libjpeg.a"
}

# The licence and the IJG's README of the source the library was built from
# (an installation made before they were kept here takes them from there).
jpeg_notices() {
  [ -f "$jpeg/notices/LICENSE.md" ] && [ -f "$jpeg/notices/README.ijg" ] && return 0
  local source
  source=$(ls -d "$out"/source/libjpeg-turbo-*/ 2>/dev/null | head -n 1)
  [ -n "$source" ] || fail "no libjpeg-turbo source in $out/source/ for its licences (tools/setup.sh test fetches it)"
  mkdir -p "$jpeg/notices"
  cp "$source"/{LICENSE.md,README.ijg} "$jpeg/notices/"
}

build_jpeg
jpeg_notices
cmake -S . -B "$out/app" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DJPEG_NOTICES="$jpeg/notices" \
  -DJPEG_INCLUDE_DIR="$jpeg/include" -DJPEG_LIBRARY="$jpeg/lib/libjpeg.a" >/dev/null
cmake --build "$out/app" --target kovlo windows_packages kovlo-conformance
cp "$out/app/app/kovlo.exe" "$out/kovlo.exe"
cp "$out/app/tests/conformance/conformance.exe" "$out/conformance.exe"
rm -f "$out"/kovlo-*-windows-x64.zip "$out"/kovlo-*-setup.exe
cp "$out"/app/data/windows/kovlo-*-windows-x64.zip "$out"/app/data/windows/kovlo-*-setup.exe "$out/"
for made in "$out/kovlo.exe" "$out"/kovlo-*-windows-x64.zip "$out"/kovlo-*-setup.exe "$out/conformance.exe"; do
  echo "windows-build: $made"
done
