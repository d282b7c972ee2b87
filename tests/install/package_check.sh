#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: its control fields and
# contents with dpkg-deb, lintian finding no error, and the packaged program
# opening a folder: unpacked into a throw-away root (dpkg -x) and started
# there under Xvfb by the real-window start check.
#   package_check.sh BUILD_DIR SOURCE_DIR VERSION PROBE
set -euo pipefail
build=$1 source=$2 version=$3 probe=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/kovlo_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work")"

field() { dpkg-deb -f "$deb" "$1"; }

check_control() {
  local name want
  for name in Package=kovlo Version=$version Architecture=amd64 Section=graphics; do
    want=${name#*=}
    [ "$(field "${name%%=*}")" = "$want" ] || fail "${name%%=*} is '$(field "${name%%=*}")', not '$want'"
  done
  [ -n "$(field Maintainer)" ] || fail "no Maintainer"
  # A summary line and a long description below it.
  [ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
  # dpkg-shlibdeps' libraries of the binary and the font the dialogs use.
  local depends package
  depends=$(field Depends)
  for package in fonts-ipafont-gothic libjpeg62-turbo libgtk-3-0 libc6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
  done
}

check_contents() {
  dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's#^\./usr/##' | LC_ALL=C sort \
    >"$work/found"
  LC_ALL=C sort "$source/tests/install/installed_files.txt" >"$work/expected"
  diff -u "$work/expected" "$work/found" >&2 || fail "the package's files differ (above)"
}

check_lintian() {
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
  grep -v '^running with root' "$work/lintian.log" >&2 || true
  ! grep -q '^E: ' "$work/lintian.log" || fail "lintian reports errors (above)"
}

check_opens_folder() {
  dpkg -x "$deb" "$work/root"
  xvfb-run -a -s "-screen 0 1920x1080x24" "$source/tests/gtk/window_checks.sh" start \
    "$work/root/usr/bin/kovlo" "$probe" || fail "the packaged kovlo did not show the folder"
}

check_control
check_contents
check_lintian
check_opens_folder
echo "package: $(basename "$deb") has the expected fields and files and opens a folder"
