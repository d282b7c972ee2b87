#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, under two prefixes, and checks
# what a desktop needs of it: exactly the expected files, under the prefix and
# nowhere else; a valid desktop entry that opens JPEG files with the installed
# program; the icon at every size with alpha, the 32-pixel one being the
# Windows icon's picture; a manual page that renders without a warning.
#   install_check.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The files under ROOT, relative to it, one a line, sorted.
files_under() { (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort); }

check_files() {
  local dest=$1 prefix=$2
  [ -d "$dest$prefix" ] || fail "nothing under the prefix $prefix"
  LC_ALL=C sort "$source/tests/install/installed_files.txt" >"$work/expected"
  files_under "$dest$prefix" >"$work/found"
  diff -u "$work/expected" "$work/found" >&2 || fail "installed files under $prefix differ (above)"
  [ "$(files_under "$dest" | wc -l)" = "$(wc -l <"$work/expected")" ] ||
    fail "files installed outside the prefix $prefix"
  [ -x "$dest$prefix/bin/kovlo" ] || fail "bin/kovlo is not executable"
}

check_desktop_entry() {
  local entry=$1/share/applications/kovlo.desktop
  desktop-file-validate "$entry" >&2 || fail "desktop-file-validate rejects $entry"
  grep -qx 'MimeType=inode/directory;image/jpeg;' "$entry" ||
    fail "the entry does not offer folders and JPEG files"
  local exec program
  exec=$(sed -n 's/^Exec=//p' "$entry")
  program=${exec%% *}
  [ -x "$1/bin/$program" ] || fail "Exec runs '$program', which is not the installed program"
  # One file or folder per start: %f (a path) or %u (a path or URL).
  [ "${exec#"$program" }" = %f ] || [ "${exec#"$program" }" = %u ] ||
    fail "Exec '$exec' does not pass the one file or folder"
  local icon
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$1/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon '$icon' is not in the theme"
}

check_icons() {
  local png size
  for png in "$1"/share/icons/hicolor/*x*/apps/kovlo.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG $size" ] || fail "$png is not a $size PNG"
    # With alpha: the print's rounded corner lets the desktop show through.
    [ "$(identify -format '%[opaque]' "$png")" = false ] || fail "$png has no transparent pixel"
  done
  cmp -s "$source/resources/kovlo.svg" "$1/share/icons/hicolor/scalable/apps/kovlo.svg" ||
    fail "the scalable icon is not resources/kovlo.svg"
  # The Windows icon holds the same 32-pixel rendering.
  local differing
  differing=$(compare -metric AE "ico:$build/icons/kovlo.ico[2]" \
              "$1/share/icons/hicolor/32x32/apps/kovlo.png" null: 2>&1) || true
  [ "$differing" = 0 ] || fail "the 32x32 icon differs from kovlo.ico's in $differing pixels"
}

check_manual() {
  local page=$1/share/man/man1/kovlo.1.gz
  # Rendered as man shows it, in a plain locale and in UTF-8.
  for locale in C C.UTF-8; do
    LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" >"$work/manual" 2>"$work/warnings" ||
      fail "man cannot render $page"
    [ ! -s "$work/warnings" ] || fail "man warns in locale $locale: $(cat "$work/warnings")"
  done
  local heading
  for heading in NAME SYNOPSIS ARGUMENT KEYS 'EXIT STATUS'; do
    grep -qx "$heading" "$work/manual" || fail "the manual page has no section $heading"
  done
  grep -q "^Kovlo $version  " "$work/manual" || fail "the manual page does not give version $version"
}

for prefix in /usr /opt/kovlo; do
  dest=$work/root${prefix//\//_}
  DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install failed: $(cat "$work/install.log")"
  check_files "$dest" "$prefix"
done
check_desktop_entry "$work/root_usr/usr"
check_icons "$work/root_usr/usr"
check_manual "$work/root_usr/usr"
echo "install: the files, the desktop entry, the icons and the manual page are as expected"
