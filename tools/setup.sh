#!/usr/bin/env bash
# Installs the Debian packages (Debian 12) that one purpose needs, and only
# those that are missing, so a second run installs nothing and needs no root:
#   tools/setup.sh run    what building and running the viewer needs
#   tools/setup.sh test   that, and the tools of the tests and benchmarks
# Missing packages are installed with apt-get, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
purpose=${1:?usage: tools/setup.sh run|test}

# The viewer: compiler, build tools, the libraries it links, and the gothic
# font its dialogs are drawn in. python3 draws the icons for installing.
run_packages=(
  build-essential cmake pkg-config ninja-build python3
  libjpeg-dev libgtk-3-dev libcairo2-dev libpango1.0-dev libicu-dev
  fonts-ipafont-gothic
)

# The tests on top: GoogleTest and Benchmark, the sanitizer and fuzzing
# runtime, valgrind, the real window under Xvfb, the install and package
# checks, and the Windows program built with MinGW and run under Wine.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev valgrind
  xvfb xauth xdotool x11-apps imagemagick openbox
  desktop-file-utils lintian dpkg-dev
  g++-mingw-w64-x86-64-posix wine wine64 nasm locales
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

case $purpose in
  run) install_missing "${run_packages[@]}" ;;
  test) install_missing "${run_packages[@]}" "${test_packages[@]}" ;;
  *) echo "setup: unknown purpose '$purpose' (run or test)" >&2; exit 2 ;;
esac
