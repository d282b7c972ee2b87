#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: its control fields and
# contents with dpkg-deb, lintian finding no error and no warning, the MIT
# licence in its copyright file, Debian's hardening-check passing its
# program, and the packaged program opening a folder: unpacked into a
# throw-away root (dpkg -x) and started there under Xvfb by the real-window
# start check.
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
  command -v lintian >/dev/null || fail "no lintian (tools/setup.sh test installs it)"
  local status=0  # 1: it found errors; 2 and above: it could not check
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || status=$?
  [ $status -le 1 ] || fail "lintian could not check the package (status $status): $(tail -5 "$work/lintian.log")"
  grep -v '^running with root' "$work/lintian.log" >&2 || true
  ! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings (above)"
}

# The copyright file is data/copyright, machine-readable, with the MIT (Expat)
# licence for the whole source.
check_licence() {
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kovlo/copyright >"$work/copyright"
  cmp -s "$work/copyright" "$source/data/copyright" || fail "the packaged copyright is not data/copyright"
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$work/copyright" ||
    fail "the copyright file is not machine-readable"
  grep -Pzq 'Files: \*\nCopyright: [^\n]*the Kovlo developers\nLicense: Expat\n' "$work/copyright" ||
    fail "the copyright file does not give the MIT (Expat) licence for every file"
}

# Stack protector, fortified functions, relro, immediate binding and PIE.
# Not control-flow protection: Debian 12's start files have no CET marking,
# so no program there has it (hardening-check fails /usr/bin/ls on it too).
check_hardening() {
  dpkg -x "$deb" "$work/root"
  hardening-check --nocfprotection "$work/root/usr/bin/kovlo" >"$work/hardening.log" 2>&1 ||
    fail "hardening-check fails the packaged kovlo: $(cat "$work/hardening.log")"
}

check_opens_folder() {
  xvfb-run -a -s "-screen 0 1920x1080x24" "$source/tests/gtk/window_checks.sh" start \
    "$work/root/usr/bin/kovlo" "$probe" || fail "the packaged kovlo did not show the folder"
}

check_control
check_contents
check_lintian
check_licence
check_hardening
check_opens_folder
echo "package: $(basename "$deb") has the expected fields and files and opens a folder"
