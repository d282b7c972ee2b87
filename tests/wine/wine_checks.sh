#!/usr/bin/env bash
# Checks of the Windows program, kovlo.exe, under Wine on an X server of
# 1024x768 (small, so that screenshots are quick), without a window manager
# but for one check:
#   xvfb-run -a -s "-screen 0 1024x768x24" wine_checks.sh CHECK EXE PROBE PREFIX REPLAY
# CHECK "prefix" makes the Wine prefix PREFIX (the other checks use it);
# the others are agree.SCENARIO (a scenario of tests/support/agreement_table.sh
# against the headless host, through the replay driver REPLAY), start, keys,
# slideshow, scroll, thumb, maximize (under openbox), no_files, broken, names,
# camera_order, quoted and trailing (two forms of the folder argument), and
# zip and installer (what a Windows user downloads). Wine runs with
# LANG=ja_JP.UTF-8, so that the ANSI code page is 932 (the installer check
# excepted).
# The checks drive the program with xdotool (real key presses and clicks) and
# read screenshots of the root window. The suite builds the program before
# them (windows.build, tools/windows-build.sh).
# With KOVLO_WINE_DPI=192 (on an X server of 2048x1536, and a prefix of its
# own) the prefix's LogPixels is 192: the checks prefix and agree.* then
# measure Wine's frame and bars at that DPI and compare with the headless
# host at --scale 2.
set -Eeuo pipefail
dpi=${KOVLO_WINE_DPI:-96}
scale=$((dpi / 96)) strip=$((25 * dpi / 96))

check=$1 exe=$2 probe=$3 prefix=$4 replay=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/x_checks.sh"
. "$here/../support/agreement_table.sh"
[ -f "$exe" ] || fail "no $exe (tools/windows-build.sh builds it)"

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No installer prompts for the .NET and HTML runtimes, which nothing here uses.
export WINEDLLOVERRIDES="mscoree,mshtml="

work=$(mktemp -d)
viewer_pid= wm_pid=
cleanup() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then kill "$viewer_pid"; fi
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    # Every process of this prefix ends with the check (not those of others).
    [ -d "$prefix" ] && { wineserver -k 2>/dev/null || true; timeout 20 wineserver -w || true; }
    rm -rf "$work"
}
trap cleanup EXIT

# Wine's frame: 4-pixel borders and a 19-pixel caption. The 800x600 window
# centred on 1024x768 has a client area of 792x573 at (116, 107); the view
# is the 792x548 above the 25-pixel strip.
win_x=112 win_y=84 client_x=116 client_y=107 client_w=792 view_h=548

# The folder as Windows names it: drive Z: is the root of the file system.
windows_path() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }

start_viewer() {
    wine "$exe" "$@" >"$work/viewer.log" 2>&1 &
    viewer_pid=$!
}

make_prefix() {
    rm -rf "$prefix"
    timeout 180 wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot: $(tail -5 "$work/wineboot.log")"
    # regedit reads UTF-16 with a byte-order mark whatever the code page.
    { printf '\xff\xfe'; { cat "$here/prefix.reg.txt"; dpi_setting; } | sed 's/$/\r/' |
        iconv -f UTF-8 -t UTF-16LE; } >"$work/prefix.reg"
    timeout 60 wine regedit /S "$work/prefix.reg" || fail "regedit did not take the settings"
    timeout 60 wineserver -w
    grep -q '"IPAPGothic"' "$prefix/user.reg" || fail "no font replacement in $prefix/user.reg"
    grep -q '"Decorated"="N"' "$prefix/user.reg" || fail "no X11 driver setting in $prefix/user.reg"
    # Marlett (fonts-wine) draws the caption buttons; without it they are the
    # letters "0 1 r". Debian's Wine 8 looks for its own fonts in
    # /usr/share/fonts, not where fonts-wine puts them, so the prefix gets
    # Marlett alone (the others would change the default font of a device
    # context, which the strip checks hold to Windows' metrics).
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" ||
        fail "no Marlett: fonts-wine is not installed"
}

# The screen's DPI, as a user sets it in Wine's configuration (winecfg's
# Graphics tab writes the same value).
dpi_setting() {
    [ "$dpi" = 96 ] && return 0
    printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$dpi"
}

fit_title() { printf ' 全%d枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● %s' "$1" "$(windows_path "$2")"; }

open_folder() {
    folder="$work/$1"
    "$probe" folder "$folder" "$2"
    start_viewer "$(windows_path "$folder")"
    main=$(find_window "全$3枚" "main window" 60)
}

open_colours() {
    open_folder colours colours 3
    wait_until "the first picture" client_pixel_is 396 274 FF0000
}

# Wine's metrics, measured once with the prefix and kept in it for the
# agreement checks: the client size (the window less the frame above), and
# the scroll bars' thickness: in the actual-size view of the scroll picture,
# the columns at the client area's right edge that are not the picture's blue.
measure_metrics() {
    open_folder measure scroll 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local border=$((client_x - win_x)) bar
    local client_h=$((HEIGHT - (client_y - win_y) - border))
    press "$main" shift
    wait_until "the actual-size view" client_pixel_is 30 300 FF0080
    measure_bar $((client_x + client_w - 1)) $((client_y + 300))
    echo "client=$((WIDTH - 2 * border))x$client_h bar=$bar" >"$prefix/kovlo-metrics"
    press "$main" Escape
    expect_exit 0
}

check_prefix() {
    make_prefix
    if [ "$dpi" = 96 ]; then measure_metrics; else measure_scaled_metrics; fi
    cat "$prefix/kovlo-metrics"
}

# A name line of that colour near the bottom left of the window (a new
# screenshot each time it is asked).
name_line_shows() {
    [ "$(client_count 0 $((HEIGHT - 3 * strip)) 400 $((3 * strip)) "$1" 60)" -gt $((20 * scale)) ]
}

# At another DPI: the window 800x600 times the scale, centred on the screen;
# where its client area begins, from the actual-size view of the scroll
# picture (its red left columns, its green top rows), Wine's frame and bars.
measure_scaled_metrics() {
    open_folder measure scroll 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local screen_w screen_h
    read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"
    [ "$WIDTH,$HEIGHT" = "$((800 * scale)),$((600 * scale))" ] ||
        fail "the window is $WIDTH x $HEIGHT at $dpi DPI"
    [ "$X,$Y" = "$(((screen_w - WIDTH) / 2)),$(((screen_h - HEIGHT) / 2))" ] ||
        fail "the window is at $X,$Y, not centred on $screen_w x $screen_h"
    client_x=$X client_y=$Y
    # Keys go to a window that has painted: first the fit view's green name
    # line; the fit view has blue in the middle too, the yellow name line is
    # the actual-size view's.
    wait_until "the fit view's green name line" name_line_shows 00FF00
    press "$main" shift
    wait_until "the actual-size view's yellow name line" name_line_shows FFFF00
    local dx=0 dy=0
    while [ $dx -lt 60 ] && ! shot_pixel_is $dx $((HEIGHT / 2)) FF0080; do dx=$((dx + 1)); done
    while [ $dy -lt 120 ] && ! shot_pixel_is $((WIDTH / 2)) $dy 00FF80; do dy=$((dy + 1)); done
    [ $dx -lt 60 ] && [ $dy -lt 120 ] || fail "no picture corner found ($dx, $dy)"
    client_x=$((X + dx)) client_y=$((Y + dy)) client_w=$((WIDTH - 2 * dx))
    measure_bar $((client_x + client_w - 1)) $((client_y + 300 * scale))
    echo "client=${client_w}x$((HEIGHT - dy - dx)) bar=$bar origin=$dx,$dy" >"$prefix/kovlo-metrics"
    # The strip: its black band is the scaled height, the name line in it.
    local view=$((HEIGHT - dy - dx - bar - strip))
    [ "$(client_count 0 $view 300 $strip FFFF00 60)" -gt $((20 * scale)) ] || fail "no yellow name line in the strip"
    keep_shot "wine_${dpi}dpi_actual_size"
    press "$main" Escape
    expect_exit 0
}

# The first picture, a photograph-like 800x600, fitted into the view above the
# strip: its pixels against the headless host's for the same client size (the
# replay driver), margins included. Only the view is compared: the strip's
# font is the system's under Wine. The tolerance is picture_near's.
check_start() {
    open_folder photo photo 1
    wait_until "the photograph's name line" test "$(client_count 0 $view_h 300 25 00FF00 60)" -gt 20
    cp "$work/shot.png" "${KOVLO_SHOT_DIR:-$work}/wine_start.png"
    title_is "$main" "$(fit_title 1 "$folder")" || fail "title '$(xdotool getwindowname "$main")'"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = "$win_x,$win_y,800,600" ] || fail "window at $X,$Y size $WIDTH x $HEIGHT"
    printf 'png %s\n' "$work/headless.png" | "$replay" --client ${client_w}x573 -- "$folder" >/dev/null
    picture_near "$work/headless.png" ||
        fail "the fit view differs from the headless host's beyond the tolerance"
    # The strip: the key hint in white on the right, nothing of the picture.
    [ "$(shot_count 400 $view_h 392 25 FFFFFF 40)" -gt 20 ] || fail "no white key hint"
    [ "$(shot_count 0 $view_h $client_w 25 000000 8)" -gt $((client_w * 25 * 3 / 4)) ] || fail "the strip is not black"
    press "$main" Escape
    expect_exit 0
}

# drawn_text_is WINDOW LEFT TOP HEIGHT PIXELS TEXT: the ink in the band of
# WINDOW from (LEFT, TOP), HEIGHT high, to 6 pixels before its right edge is
# as wide as IPAPGothic sets TEXT at PIXELS, within 3 pixels. Boxes, question
# marks, mojibake or another face would not be.
drawn_text_is() {
    local X Y WIDTH HEIGHT SCREEN WINDOW left width expected
    eval "$(xdotool getwindowgeometry --shell "$1")"
    shoot
    read -r left width <<<"$("$probe" ink "$work/shot.png" $((X + $2)) $((Y + $3)) $((WIDTH - $2 - 6)) "$4")"
    expected=$("$probe" text-width IPAPGothic "$5" "$6")
    [ $((width - expected)) -ge -3 ] && [ $((width - expected)) -le 3 ] ||
        fail "'$6' is drawn $width pixels wide, IPAPGothic sets it in $expected"
}

# A dialog's first line in the dialogs' face (12 points, 16 pixels; the
# fixed-pitch IPAGothic would be 24 pixels wider for the jump dialog's).
check_dialog_face() { drawn_text_is "$1" 6 27 32 16 "$2"; }

# The message box's text right of its icon, in Wine's message font (MS UI
# Gothic 9 points, replaced by IPAPGothic in the prefix: 12 pixels).
check_box_text() { drawn_text_is "$1" 52 25 36 12 "JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．"; }

# Space and BackSpace with wrap-around, a quarter turn each way, R, which reads
# the file again (the first file is replaced by a green picture meanwhile), J
# with a number and Enter, and Esc. The pictures of 800x600 are fitted at
# 548/600, 730x548 at (31, 0).
check_keys() {
    open_colours
    press "$main" space
    wait_until "the second picture" client_pixel_is 396 274 00FF00
    press "$main" space
    wait_until "the third picture" client_pixel_is 396 274 0000FF
    press "$main" space
    wait_until "the wrap to the first" client_pixel_is 396 274 FF0000
    press "$main" BackSpace
    wait_until "the wrap back to the last" client_pixel_is 396 274 0000FF
    press "$main" space
    wait_until "the first picture again" client_pixel_is 396 274 FF0000
    # Turned, 600x800 fits at 411x548: column 100 becomes margin.
    press "$main" Right
    wait_until "the quarter turn clockwise" client_pixel_is 100 274 000000
    press "$main" Left
    wait_until "the turn back" client_pixel_is 100 274 FF0000
    cp "$folder/b.jpg" "$folder/a.jpg"
    press "$main" r
    wait_until "the file read again" client_pixel_is 396 274 00FF00
    press "$main" j
    dialog=$(find_window "^Kovlo: 指定画像にジャンプ$" "jump dialog")
    check_dialog_face "$dialog" "ジャンプ先を指定して下さい："
    keep_shot wine_jump
    xdotool windowfocus --sync "$dialog" type 3
    xdotool key Return
    wait_until "the jump to the third picture" client_pixel_is 396 274 0000FF
    press "$main" Escape
    expect_exit 0
}

# T with 1 second: the title says so and the pictures advance; T stops it.
check_slideshow() {
    open_colours
    run_slideshow "$(windows_path "$folder")" 396 274 wine_interval check_interval_face
    # Stopped (the title says so): once the picture has settled, it stays for
    # two intervals, in which a running slideshow would step twice.
    shown_colour=
    wait_until "the picture to settle" picture_settled 396 274
    holds_for 2 "the picture $shown_colour after T" picture_is 396 274 "$shown_colour"
    press "$main" Escape
    expect_exit 0
}

# One 1600x1200 picture at actual size: its left 60 columns red, its top 60
# rows green, the rest mid blue. Both bars (17 pixels) take their room from
# the client area, which becomes 775x556. A page is 60 pixels, a line 10.
check_scroll() {
    open_folder scroll scroll 1
    press "$main" shift
    wait_until "the actual-size view" client_pixel_is 30 300 FF0080
    [ "$(shot_count 0 531 300 25 FFFF00 60)" -gt 20 ] || fail "no yellow name line"
    keep_shot wine_actual_size
    # A click in the horizontal trough, right of the thumb, pages right.
    xdotool mousemove $((client_x + 400)) $((client_y + 564)) click 1
    wait_until "a page to the right" client_pixel_is 30 300 000080
    # The left arrow steps back one line: image column 55 is red again.
    xdotool mousemove $((client_x + 8)) $((client_y + 564)) click 1
    wait_until "a line to the left" client_pixel_is 5 300 FF0080
    # The same down and up on the vertical bar, with the green rows.
    xdotool mousemove $((client_x + 783)) $((client_y + 300)) click 1
    wait_until "a page down" client_pixel_is 300 30 000080
    xdotool mousemove $((client_x + 783)) $((client_y + 8)) click 1
    wait_until "a line up" client_pixel_is 300 5 00FF80
    [ "$(client_count 0 531 300 25 FFFF00 60)" -gt 20 ] || fail "the name line moved"
    press "$main" Escape
    expect_exit 0
}

check_interval_face() { check_dialog_face "$1" "間隔を指定して下さい："; }

check_no_files() {
    folder="$work/empty"
    "$probe" folder "$folder" empty
    start_viewer "$(windows_path "$folder")"
    expect_no_files_box "$(windows_path "$folder")" wine_no_files check_box_text
}

# A text file named .jpg (the library's error exit jumps back to the loader)
# and a picture cut a quarter into its scan: its red rows, then grey; and
# nothing of the library's messages on standard error.
check_broken() {
    open_folder broken broken 2
    wait_until "the magenta name line" test "$(client_count 0 $view_h 300 25 FF00FF 60)" -gt 20
    [ "$(shot_count 0 0 $client_w $view_h 000000 8)" = $((client_w * view_h)) ] || fail "a picture for a text file"
    keep_shot wine_not_a_jpeg
    press "$main" space
    wait_until "the cut picture's red top" client_pixel_is 396 20 FF0000
    shot_pixel_is 396 400 808080 || fail "no grey where the scan was cut"
    [ "$(shot_count 0 0 $client_w $view_h 0000FF 60)" = 0 ] || fail "blue, which the cut took away"
    [ "$(shot_count 0 $view_h 300 25 00FF00 60)" -gt 20 ] || fail "no green name line"
    keep_shot wine_cut
    press "$main" Escape
    expect_exit 0
    # The strip told the user; the library's own lines stay off the terminal.
    ! grep -Ei 'JPEG|Premature' "$work/viewer.log" >&2 || fail "the JPEG library wrote to standard error (above)"
}

# Camera and phone names step in the order Windows gives them.
check_camera_order() {
    open_folder camera camera 15
    step_through_camera_folder 15 396 274
    press "$main" Escape
    expect_exit 0
}

# 表 (0x95 0x5C) and ソ (0x83 0x5C) in a folder whose name ends in 表: both
# listed in byte order, both opened.
check_names() {
    open_folder "dir表" sjis 2
    title_is "$main" "$(fit_title 2 "$folder")" || fail "title '$(xdotool getwindowname "$main")'"
    wait_until "ソ.jpg, the first" client_pixel_is 396 274 0000FF
    [ "$(shot_count 0 $view_h 300 25 00FF00 60)" -gt 20 ] || fail "no green name line for ソ.jpg"
    keep_shot wine_names
    press "$main" space
    wait_until "表.jpg, the second" client_pixel_is 396 274 FF0000
    [ "$(shot_count 0 $view_h 300 25 00FF00 60)" -gt 20 ] || fail "no green name line for 表.jpg"
    press "$main" Escape
    expect_exit 0
}

# open_by_argument FOLDER ARGUMENT: FOLDER, made with three pictures, started
# on with ARGUMENT, shows its pictures under its own name, not the
# message box of another folder.
open_by_argument() {
    folder=$1
    "$probe" folder "$folder" colours
    start_viewer "$2"
    main=$(find_window "全3枚|^Kovlo - " "window for the argument '$2'" 60)
    title_is "$main" "$(fit_title 3 "$folder")" || fail "argument '$2': window '$(xdotool getwindowname "$main")'"
    wait_until "the first picture" client_pixel_is 396 274 FF0000
    press "$main" Escape
    expect_exit 0
}

# A path with a blank: Wine, as Windows' shell, wraps it in double quotes on
# the command line ("Z:\...\my pics").
check_quoted() { open_by_argument "$work/my pics" "$(windows_path "$work/my pics")"; }

# A trailing backslash, behind a name whose last byte is a backslash too
# (ソ is 0x83 0x5C): Z:\...\dirソ\ names dirソ.
check_trailing() { open_by_argument "$work/dirソ" "$(windows_path "$work/dirソ")\\"; }

# The packages of tools/windows-build.sh beside the program, with the
# project's version in their names (KOVLO_VERSION, set by CMake).
package_file() {
    local file=${exe%/*}/kovlo-${KOVLO_VERSION:?}-$1
    [ -f "$file" ] || fail "no $file (tools/windows-build.sh builds it)"
    echo "$file"
}

# A text for Windows users: UTF-8 with a byte-order mark, every line ended by CRLF.
windows_text() {
    [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "${1##*/} has no UTF-8 byte-order mark"
    [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] || fail "${1##*/} has a line not ended by CRLF"
}

# The portable zip holds exactly its three files; its texts are Windows
# users' texts, the licence carries libjpeg-turbo's notices and the read-me
# the version; the program in it starts on a folder and shows its first picture.
check_zip() {
    local zip text
    zip=$(package_file windows-x64.zip)
    [ "$(cmake -E tar tf "$zip" | tr '\n' ' ')" = "kovlo.exe LICENSE.txt README.txt " ] ||
        fail "the zip holds: $(cmake -E tar tf "$zip" | tr '\n' ' ')"
    mkdir "$work/zip"
    (cd "$work/zip" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
    for text in LICENSE.txt README.txt; do windows_text "$work/zip/$text"; done
    for text in "Permission is hereby granted, free of charge" "Copyright (c) 2026 the Kovlo developers" \
        "based in part on the work of the Independent JPEG Group" "libjpeg-turbo Licenses" "LEGAL ISSUES"; do
        grep -qF "$text" "$work/zip/LICENSE.txt" || fail "LICENSE.txt lacks '$text'"
    done
    grep -qF "Kovlo $KOVLO_VERSION " "$work/zip/README.txt" || fail "README.txt does not name version $KOVLO_VERSION"
    exe=$work/zip/kovlo.exe
    open_colours
    press "$main" Escape
    expect_exit 0
}

# The installer's two modes: the mode's switch, the program's folder, the
# Start menu's folder (in the prefix), the registry's root, and who starts
# the folder's verb: the shell, or the check itself with the command the key
# holds. Known difference: Wine's HKEY_CLASSES_ROOT is the machine's classes
# alone, where Windows merges the user's own (HKCU\Software\Classes) in, so
# Wine's shell does not see a verb installed for one user.
install_modes=(
    "AllUsers    | C:\Program Files\Kovlo                   | drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs | HKEY_LOCAL_MACHINE | shell"
    "CurrentUser | C:\users\{user}\AppData\Local\Programs\Kovlo | drive_c/users/{user}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs | HKEY_CURRENT_USER | check"
)
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kovlo'
folder_verb='Software\Classes\Directory\shell\Kovlo'

# The installer, in a fresh prefix of its own and under LANG=en_US.UTF-8: a
# system whose code page is 1252, where only the program's manifest gives it
# code page 932. HOME is a scratch folder, which Wine makes the user's
# Pictures. In each mode, silently: the files, the shortcut and the registry
# entries where they belong; the program, started as Explorer starts it from
# the shortcut (on Pictures) and from the folder's context menu (on 写真, a
# name code page 1252 cannot hold), shows its first picture; the silent
# uninstall leaves nothing behind but what Windows itself keeps.
check_installer() {
    local setup row
    setup=$(package_file setup.exe)
    locale -a | grep -qix en_US.utf8 || fail "no en_US.UTF-8 locale (tools/setup.sh test makes it)"
    prefix=$prefix-setup
    export WINEPREFIX=$prefix LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 HOME=$work/home
    unset XDG_CONFIG_HOME
    # No menu entries of Wine's own for the shortcut, in HOME or anywhere.
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
    "$probe" folder "$HOME" colours
    "$probe" folder "$work/写真" colours
    x86_64-w64-mingw32-gcc-posix -municode -O2 -o "$work/shell_start.exe" "$here/shell_start.c" -lshell32 ||
        fail "shell_start does not build"
    make_prefix
    prefix_contents >"$work/before"
    for row in "${install_modes[@]}"; do
        IFS='|' read -r mode dir menu root verb_by <<<"${row//\{user\}/$(id -un)}"
        mode=$(echo $mode) dir=$(echo $dir) menu=$(echo $menu) root=$(echo $root) verb_by=$(echo $verb_by)
        install_in_mode
    done
}

install_in_mode() {
    timeout 60 wine "$setup" /S "/$mode" || fail "setup /S /$mode failed"
    timeout 60 wineserver -w
    local unix_dir="$prefix/drive_c/$(tr '\\' / <<<"${dir#C:\\}")"
    [ "$(ls "$unix_dir" | LC_ALL=C sort | tr '\n' ' ')" = "LICENSE.txt README.txt kovlo.exe uninstall.exe " ] ||
        fail "/$mode installed: $(ls "$unix_dir" 2>&1 | tr '\n' ' ')"
    [ -f "$prefix/$menu/Kovlo.lnk" ] || fail "/$mode: no Kovlo.lnk in $menu"
    expect_key "$uninstall_key" "\"DisplayIcon\"=\"DIR\\kovlo.exe,0\"" '"DisplayName"="Kovlo"' \
        "\"DisplayVersion\"=\"$KOVLO_VERSION\"" '"InstallLocation"="DIR"' '"NoModify"=dword:00000001' \
        '"NoRepair"=dword:00000001' '"Publisher"="the Kovlo developers"' \
        '"QuietUninstallString"="\"DIR\uninstall.exe\" /MODE /S"' \
        '"UninstallString"="\"DIR\uninstall.exe\" /MODE"'
    expect_key "$folder_verb" '@="Kovlo で開く"' '"Icon"="DIR\kovlo.exe,0"' "" \
        "[$root\\$folder_verb\\command]" '@="\"DIR\kovlo.exe\" \"%1\""'
    start_from_shell - - "C:$(tr / '\\' <<<"${menu#drive_c}")\\Kovlo.lnk" "C:\\users\\$(id -un)\\Pictures"
    local photos
    photos=$(windows_path "$work/写真")
    if [ "$verb_by" = shell ]; then
        start_from_shell Directory Kovlo "$photos" "$photos"
    else
        start_from_shell - - "$dir\\kovlo.exe" "\"$photos\"" "$photos"
    fi
    timeout 60 wine "$dir\\uninstall.exe" "/$mode" /S || fail "the uninstaller /$mode /S failed"
    timeout 60 wineserver -w
    expect_nothing_left
}

# expect_key KEY LINE...: KEY of the mode's root, as reg exports it (its
# values and subkeys, backslashes not doubled), is the LINEs, in which DIR
# and MODE stand for the mode's; the size, which the files set, is not compared.
expect_key() {
    local want got line
    want="[$root\\$1]"
    for line in "${@:2}"; do line=${line//DIR/$dir}; want+=$'\n'"${line//MODE/$mode}"; done
    wine reg export "$root\\$1" "$(windows_path "$work/key.reg")" /y >/dev/null 2>&1 ||
        fail "/$mode: no key $root\\$1"
    got=$(iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed '1,2d; /^"EstimatedSize"=dword:/d; s/\\\\/\\/g')
    [ "$got" = "$want"$'\n' ] || [ "$got" = "$want" ] || fail "/$mode: $root\\$1 holds"$'\n'"$got"$'\n'"not"$'\n'"$want"
}

# start_from_shell CLASS VERB FILE [ARGUMENT] FOLDER: the program started
# by the shell (tests/wine/shell_start.c) shows the three pictures of FOLDER,
# the first one first, and ends with 0 on Esc (from a shortcut, Wine gives no
# exit code: it ends, within the bound of the wait for the prefix's processes).
start_from_shell() {
    wine "$work/shell_start.exe" "${@:1:$# - 1}" >"$work/viewer.log" 2>&1 &
    viewer_pid=$!
    main=$(find_window "全3枚|^Kovlo - " "window started from $3" 60)
    local title
    title=$(fit_title 3 /); title=${title%Z:\\}${!#}
    title_is "$main" "$title" || fail "started from $3: window '$(xdotool getwindowname "$main")'"
    wait_until "the first picture" client_pixel_is 396 274 FF0000
    press "$main" Escape
    expect_exit 0
    timeout 60 wineserver -w
}

# The prefix's files and folders under drive_c, and its registry keys.
prefix_contents() {
    (cd "$prefix" && find drive_c)
    sed -n 's/^\[\(.*\)\] [0-9]*$/HKLM\\\1/p' "$prefix/system.reg"
    sed -n 's/^\[\(.*\)\] [0-9]*$/HKCU\\\1/p' "$prefix/user.reg"
}

# What the uninstaller leaves that was not there before the install, but what
# Windows keeps: the temporary folder (with the uninstaller's copy of itself,
# which it has Windows delete at the next start), the user's programs folder
# (a known folder, not the program's), Explorer's settings, which Wine's
# shell writes when it starts a program, and the root of the user's classes,
# which Windows always has (a fresh Wine prefix has not).
expect_nothing_left() {
    local left
    left=$(prefix_contents | LC_ALL=C sort | LC_ALL=C comm -13 <(LC_ALL=C sort "$work/before") - |
           grep -Ev '^drive_c/users/[^/]+/Temp/|^drive_c/users/[^/]+/AppData/Local/Programs$' |
           grep -Fvx 'HKCU\Software\\Classes' |
           grep -Fv 'HKCU\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\' || true)
    [ -z "$left" ] || fail "/$mode: the uninstaller left"$'\n'"$left"
}

# The picture area of the client area against the headless host's picture
# REF (the client area, bars excluded): GDI's HALFTONE and the layer's area
# averaging round differently. Measured over all scenarios (README): a mean
# difference of at most 0.38 per channel and at most 0.29% of the pixels off
# by more than 16 (the sharp bands of the scroll picture, fitted); at actual
# size none. Allowed: a mean of 1.0 and 0.6% of the pixels; the picture one
# pixel out of place gives a mean of 3.0.
picture_near() {
    local cw ch
    read -r cw ch <<<"$(size_of "$1")"
    shoot
    read -r mean far <<<"$("$probe" compare "$work/shot.png" $client_x $client_y "$1" 0 0 "$cw" $((ch - strip)))"
    awk -v mean="$mean" -v far="$far" 'BEGIN { exit !(mean <= 1.0 && far <= 0.006) }' &&
        picture_ends_at "$cw" $((ch - strip))
}

# The picture area ends where the headless one does: the column beyond it
# (the vertical bar, or the frame) is unlike the picture's last column. A
# bar or client one pixel off keeps the rest of the picture alike.
picture_ends_at() {
    local edge
    read -r edge _ <<<"$("$probe" compare "$work/shot.png" $((client_x + $1 - 1)) $client_y "$work/shot.png" $((client_x + $1)) $client_y 1 "$2")"
    awk -v edge="$edge" 'BEGIN { exit !(edge > 8) }'
}

# Left, right, top and bottom within a pixel (the extents read into wl wr wt
# wb and gl gr gt gb). Known difference at 192 DPI: Wine sets its default
# font narrower there (a text of 318 pixels at scale 2 takes 175), so only
# the rows (within 2 pixels) and one side (within 8: the name line's left,
# the key hint's right) are held to the headless host's.
extents_near() {
    if [ "$dpi" = 96 ]; then
        [ $(( (wl - gl) ** 2 > 1 || (wr - gr) ** 2 > 1 || (wt - gt) ** 2 > 1 || (wb - gb) ** 2 > 1 )) = 0 ]
    else
        [ $(( ((wl - gl) ** 2 > 16 * scale * scale && (wr - gr) ** 2 > 16 * scale * scale) ||
              (wt - gt) ** 2 > scale * scale || (wb - gb) ** 2 > scale * scale )) = 0 ]
    fi
}

# The strip's texts by their colours and extents: each pure colour of REF's
# strip (but black) shows in Wine's strip too, its ink's left, right, top and
# bottom edges each within a pixel of where they are in REF. The layer sets
# the strip in the font Windows measures (GetTextMetricsA and
# GetTextExtentPoint32A agree: tests/conformance), so the texts have the same
# extents; a pixel is left for glyphs that rasterise differently.
strip_near() {
    local cw ch colour want got
    read -r cw ch <<<"$(size_of "$1")"
    convert "$work/shot.png" -crop "${cw}x$strip+$client_x+$((client_y + ch - strip))" +repage "$work/strip.png"
    for colour in $(strip_colours "$1" "$cw" "$ch"); do
        want=$(ink_extent "$1" "$cw" $((ch - strip)) "$colour")
        got=$(ink_extent "$work/strip.png" "$cw" 0 "$colour")
        read -r wl wr wt wb <<<"$want"; read -r gl gr gt gb <<<"$got"
        if ! extents_near; then
            strip_fault="#$colour in columns $wl-$wr, rows $wt-$wb headless, columns $gl-$gr, rows $gt-$gb under Wine"
            return 1
        fi
    done
}

# The first and last column and row of a strip's pixels near a colour, from
# its top row Y (rows counted within the strip).
ink_extent() {
    local box
    box=$(convert "$1" -crop "${2}x$strip+0+$3" +repage -fuzz 25% -fill black +opaque "#$4" -format %@ info:)
    local size=${box%%+*} x=${box#*+}
    local w=${size%%x*} h=${size#*x} y=${x#*+}
    x=${x%%+*}
    echo "$x $((x + w - 1)) $y $((y + h - 1))"
}

# The colours of a picture's strip whose channels are all 00 or FF, but black.
strip_colours() {
    convert "$1" -crop "${2}x$strip+0+$(($3 - strip))" +repage -format %c histogram:info:- |
        grep -oE '#[0-9A-F]{6}' | grep -E '^#((00|FF){3})$' | grep -v '#000000' | tr -d '#' | sort -u
}

# Waits for Wine to show reference N of the agreement scenario.
expect_near() {
    local reference="$work/ref_$1.png" what="step $1 (${2:-the first picture})"
    strip_fault=
    local settled=0
    (wait_until "$what" picture_near "$reference") 2>/dev/null || settled=1
    picture_near "$reference" || settled=1
    if [ $settled = 1 ]; then
        keep_shot "${check}_wine_$1"; cp "$reference" "${KOVLO_SHOT_DIR:-$work}/${check}_headless_$1.png"
        fail "$what: the picture differs by $mean per channel, $far of its pixels off by more than 16, or it ends elsewhere (Wine/headless, client $client, bars $bar)"
    fi
    if ! strip_near "$reference"; then
        cp "$work/shot.png" "${KOVLO_SHOT_DIR:-$work}/${check}_wine_$1.png"
        fail "$what: the strip differs: $strip_fault"
    fi
    echo "$what: mean difference $mean per channel, $far of the pixels off by more than 16"
}

# Wine's metrics, kept in the prefix: the client size $client (WxH) and the
# bars' thickness $bar.
read_metrics() {
    local metrics
    metrics=$(cat "$prefix/kovlo-metrics") || fail "no metrics in the prefix"
    client=${metrics#client=}; client=${client%% *}
    # KOVLO_WINE_BAR gives the headless run another thickness, to see a check fail.
    bar=${KOVLO_WINE_BAR:-${metrics##*bar=}}
    bar=${bar%% *}
    origin=${metrics##*origin=}
}

# replay_references FOLDER STEP...: the headless host with Wine's metrics on
# FOLDER: ref_0.png, then ref_N.png after the N-th step (replay commands).
replay_references() {
    local folder=$1 script="png $work/ref_0.png"$'\n' n=0 step
    shift
    for step in "$@"; do
        n=$((n + 1)); script+="$step"$'\n'"png $work/ref_$n.png"$'\n'
    done
    # At another DPI the window is sized by the program: the headless one gets
    # Wine's frame (the border below as on the left) instead of a client size.
    local size=(--client "$client")
    [ "$dpi" = 96 ] || size=(--frame "${origin%,*},${origin#*,},${origin%,*},${origin%,*}")
    "$replay" --scale "$scale" "${size[@]}" --bar "$bar" -- "$folder" <<<"$script" >"$work/replay.log" 2>&1 ||
        fail "replay failed: $(cat "$work/replay.log")"
}

# A folder of the probe's KIND in $folder.
make_folder() {
    folder="$work/$1"
    "$probe" folder "$folder" "$1" || fail "cannot make the $1 folder"
}

# The program started on $folder, its first picture awaited as the headless
# host shows it (ref_0.png).
open_near() {
    start_viewer "$(windows_path "$folder")"
    main=$(find_window "全" "main window" 60)
    if [ "$dpi" != 96 ]; then
        local X Y WIDTH HEIGHT SCREEN WINDOW
        eval "$(xdotool getwindowgeometry --shell "$main")"
        client_x=$((X + ${origin%,*})) client_y=$((Y + ${origin#*,}))
    fi
    agree_x=$client_x agree_y=$client_y
    expect_near 0
}

# One scenario of the agreement table: the headless host with Wine's client
# size and bars (the replay driver), then the program, compared after each step.
check_agreement() {
    local scenario=${check#agree.} row steps n=0
    row=$(scenario_row "$scenario")
    [ -n "$row" ] || fail "unknown scenario"
    [ "$(field "$row" 5)" = near ] || fail "no Wine form of the scenario"
    local folder_kind
    mapfile -t steps < <(split_steps "$(field "$row" 3)")
    folder_kind=$(field "$row" 2)
    # Enlarged 1.9 times into the view of 192 DPI, the 800x600 photograph
    # differs by a mean of 1.34 per channel (none of its pixels by more than
    # 16): GDI's HALFTONE enlarges by another filter than the layer's. The
    # photograph twice as large is reduced as the other is at 96 DPI.
    if [ "$dpi" != 96 ] && [ "$folder_kind" = photo ]; then folder_kind=photo_2x; fi
    read_metrics
    make_folder "$folder_kind"
    replay_references "$folder" "${steps[@]}"
    open_near
    for step in "${steps[@]}"; do
        run_wine_step "$step" "$work/ref_$n.png" "$bar"
        n=$((n + 1))
        expect_near "$n" "$step"
    done
    press "$main" Escape
    expect_exit 0
}

# One step of a scenario on the program; $2 is the reference before it, $3
# the bars' thickness.
run_wine_step() {
    local verb arg
    read -r verb arg <<<"$1"
    case "$verb" in
    key) press "$main" "$(key_for "$arg")" ;;
    hscroll | vscroll) click_for_request "$arg" "$2" "$3" ;;
    *) fail "no Wine form of step '$1'" ;;
    esac
}

# The photograph at actual size has both bars (ranges of 25 and 69 pixels,
# pages of 10). Each thumb is dragged past the end of its trough: while the
# button is held the thumb shows at the end and the picture has not moved; on
# release the picture is where the headless host puts it for the thumb's last
# position (the top of the range less 9).
check_thumb() {
    read_metrics
    local cw=${client%x*} ch=${client#*x} half=$((bar / 2))
    make_folder photo
    replay_references "$folder" "key Shift" "hscroll SB_THUMBPOSITION 65535" "vscroll SB_THUMBPOSITION 65535"
    open_near
    press "$main" shift
    expect_near 1 "the actual-size view"
    # The horizontal bar below the view, its thumb right of the left arrow. The
    # pointer stops a bar's thickness past the end: much further away from the
    # bar the thumb goes back to where it was (Wine: beyond twice the thickness).
    drag_thumb $((bar + 4)) $((ch - half - 1)) "$cw" $((ch - half - 1)) \
        $((cw - 2 * bar - 8)) $((ch - bar + 2)) 8 $((bar - 4)) 1
    expect_near 2 "the horizontal thumb released past the end"
    drag_thumb $((cw - half - 1)) $((bar + 4)) $((cw - half - 1)) "$ch" \
        $((cw - bar + 2)) $((ch - 2 * bar - 8)) $((bar - 4)) 8 2
    expect_near 3 "the vertical thumb released past the end"
    press "$main" Escape
    expect_exit 0
}

# Maximised and restored with the caption's middle button, under a window
# manager (without one Wine leaves the X window as it was): at the new size the
# fit view shows the photograph as the headless host does at that client size,
# its name line's percentage redrawn; restored, the window is what it was, the
# name line pixel for pixel.
check_maximize() {
    openbox >"$work/wm.log" 2>&1 &
    wm_pid=$!
    wait_until "the window manager" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
    read_metrics
    make_folder photo
    replay_references "$folder"
    open_near
    cp "$work/ref_0.png" "$work/ref_2.png"
    shoot; cp "$work/shot.png" "$work/first.png"
    local x0=$client_x y0=$client_y first_client=$client X Y WIDTH HEIGHT SCREEN WINDOW
    local border=$((client_x - win_x)) top=$((client_y - win_y))
    xdotool mousemove $((win_x + 800 - 32)) $((win_y + top / 2 + 1)) click 1
    wait_until "the maximised window" window_width_is_not 800
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # The window manager gives the whole window the screen; Wine draws the same
    # frame inside it.
    client=$((WIDTH - 2 * border))x$((HEIGHT - top - border))
    replay_references "$folder" "resize ${client/x/ }"
    client_x=$((X + border)) client_y=$((Y + top))
    expect_near 1 "maximised to a client area of $client"
    name_line_differs || fail "the name line did not change with the scale"
    xdotool mousemove $((X + WIDTH - 32)) $((Y + top / 2 + 1)) click 1
    wait_until "the restored window" window_width_is_not "$WIDTH"
    client_x=$x0 client_y=$y0 client=$first_client
    expect_near 2 "restored"
    ! name_line_differs || fail "the name line is not as at first"
    press "$main" Escape
    expect_exit 0
}

# The left 300 columns of the strip against those of the first screenshot.
name_line_differs() {
    shot_differs "$client_x" $((client_y + ${client#*x} - 25)) "$work/first.png" "$x0" $((y0 + view_h)) 300 25
}

window_width_is_not() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$WIDTH" != "$1" ]
}

# drag_thumb X Y X2 Y2 EX EY EW EH N: presses the button at client (X, Y) on a
# thumb and moves to (X2, Y2); once the client rectangle (EX, EY, EW, EH) at
# the trough's end shows the thumb, the picture must still be reference N;
# then releases the button.
drag_thumb() {
    shoot; cp "$work/shot.png" "$work/before_drag.png"
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) mousedown 1
    xdotool mousemove $((client_x + $3)) $((client_y + $4))
    wait_until "the thumb at the trough's end" shot_differs $((client_x + $5)) $((client_y + $6)) \
        "$work/before_drag.png" $((client_x + $5)) $((client_y + $6)) "$7" "$8"
    picture_near "$work/ref_$9.png" || {
        xdotool mouseup 1
        fail "the picture moved while the thumb was held (mean $mean, $far off by more than 16)"
    }
    xdotool mouseup 1
}

# True when the rectangle of W x H at screen (X, Y) of a new screenshot differs
# from the one at (X2, Y2) of PNG:  shot_differs X Y PNG X2 Y2 W H
shot_differs() {
    local mean
    shoot
    read -r mean _ <<<"$("$probe" compare "$work/shot.png" "$@")"
    awk -v mean="$mean" 'BEGIN { exit !(mean > 0) }'
}

case "$check" in
agree.*) check_agreement ;;
prefix | start | keys | slideshow | scroll | thumb | maximize | no_files | broken | names | \
    camera_order | quoted | trailing | zip | installer)
    "check_$check" ;;
*) fail "unknown check" ;;
esac
echo "ok ($check)"
