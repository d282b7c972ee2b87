#!/usr/bin/env bash
# Installs the Debian packages (Debian 12) that one purpose needs, and only
# those that are missing, so a second run installs nothing and needs no root:
#   tools/setup.sh run    what building and running the viewer needs
#   tools/setup.sh test   that, and the tools of the tests and benchmarks, the
#                         libjpeg-turbo source and the Japanese and English
#                         locales of the Windows program's build and checks
# Missing packages are installed with apt-get, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
purpose=${1:?usage: tools/setup.sh run|test}

# The viewer: compiler, build tools, the libraries it links, and the gothic
# font its dialogs are drawn in. rsvg-convert and icotool render the icon,
# which the program carries for its window and installs for the desktop.
run_packages=(
  build-essential cmake pkg-config ninja-build
  libjpeg-dev libgtk-3-dev libcairo2-dev libpango1.0-dev
  fonts-ipafont-gothic librsvg2-bin icoutils
)

# The tests on top: GoogleTest and Benchmark, the sanitizer and fuzzing
# runtime, valgrind, the real window under Xvfb, the install and package
# checks (hardening-check from devscripts), the Windows program built with
# MinGW and run under Wine (with Wine's own fonts: Marlett draws the caption
# buttons), and Python for the start-up benchmark.
test_packages=(
  python3 libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev valgrind strace
  xvfb xauth xdotool x11-apps x11-utils imagemagick openbox libxtst-dev libxdamage-dev
  weston
  desktop-file-utils lintian dpkg-dev devscripts
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nasm locales nsis
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The given packages that are not installed, one a line (one dpkg-query for all).
missing_of() {
  local installed
  installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "$@" 2>/dev/null |
              sed -n 's/^ii  *//p' || true)
  printf '%s\n' "$@" | grep -vxF -f <(printf '%s\n' "$installed") || true
}

install_missing() {
  local missing=()
  mapfile -t missing < <(missing_of "$@")
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# --- The Windows program: Debian's own source of libjpeg-turbo, the Japanese
# locale that gives Wine the ANSI code page 932, and an English one, under
# which the program's manifest must still give it code page 932. ---

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

test_locales() {
  local name missing=0
  for name in ja_JP en_US; do
    locale -a 2>/dev/null | grep -qix "$name.utf8" && continue
    missing=1
    grep -qx "$name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null ||
      echo "$name.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  done
  [ $missing = 0 ] || as_root locale-gen
}

case $purpose in
  run)
    install_missing "${run_packages[@]}"
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    fetch_jpeg_source
    test_locales
    ;;
  *) echo "setup: unknown purpose '$purpose' (run or test)" >&2; exit 2 ;;
esac
