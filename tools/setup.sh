#!/usr/bin/env bash
# Installs every Debian package the project needs (as root, on Debian 12) and
# configures the build in build/. Safe to run again: it installs only what is
# missing and reconfigures in place.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config ninja-build
  libjpeg-dev libgtk-3-dev libcairo2-dev libpango1.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev valgrind g++-mingw-w64-x86-64-posix
  xvfb xauth xdotool x11-apps x11-utils imagemagick openbox strace
  fonts-ipafont-gothic
)
# The Windows program and its checks under Wine (tools/windows-build.sh, tests/wine/).
packages+=(wine wine64 nasm locales dpkg-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  run_as_root=()
  [ "$(id -u)" -eq 0 ] || run_as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${run_as_root[@]}" apt-get update -qq
  "${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# --- The Windows program: Debian's own source of libjpeg-turbo, and the
# Japanese locale that gives Wine the ANSI code page 932. ---

# deb-src entries for the Debian suites the machine already uses, in a file of
# their own beside the machine's deb822 (or one-line) sources.
add_debian_sources() {
  local list=/etc/apt/sources.list.d/kovlo-deb-src.sources
  [ -e "$list" ] && return 0
  local debian=()
  mapfile -t debian < <(grep -l 'debian' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  if [ ${#debian[@]} -gt 0 ]; then
    sed -n '/^Types:/s/.*/Types: deb-src/;p' "${debian[@]}" | as_root tee "$list" >/dev/null
  else
    list=/etc/apt/sources.list.d/kovlo-deb-src.list
    [ -e "$list" ] && return 0
    sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list | as_root tee "$list" >/dev/null
  fi
  echo "setup: added $list"
  as_root apt-get update -qq
}

# The source package unpacked once into build-windows/, where
# tools/windows-build.sh builds it.
fetch_jpeg_source() {
  ls -d build-windows/source/libjpeg-turbo-*/ >/dev/null 2>&1 && return 0
  add_debian_sources
  mkdir -p build-windows/source
  (cd build-windows/source && apt-get source -qq libjpeg-turbo)
}

japanese_locale() {
  locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && return 0
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen
}

fetch_jpeg_source
japanese_locale

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
