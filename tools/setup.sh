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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
