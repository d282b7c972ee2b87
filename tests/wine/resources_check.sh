#!/usr/bin/env bash
# kovlo.exe's version resource and manifest, read back from the executable
# (windres decompiles its resources): the numbers and texts that Explorer's
# Properties show, and the manifest that Windows reads when it starts the
# program (resource 1 of type RT_MANIFEST), each setting in the namespace
# where Windows looks for it. The suite builds the program first
# (windows.build).
#   resources_check.sh EXE VERSION
set -euo pipefail
exe=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$exe" ] || fail "no $exe (tools/windows-build.sh builds it)"
rc=$(x86_64-w64-mingw32-windres -i "$exe" -O rc) || fail "windres cannot read $exe"

IFS=. read -r major minor patch <<<"$version"
# Japanese texts come back as UTF-16 code points: 画像ビューア.
version_lines=(
    " FILEVERSION $major, $minor, $patch, 0"
    " PRODUCTVERSION $major, $minor, $patch, 0"
    " FILETYPE 0x1"
    '    BLOCK "041104B0"'
    '      VALUE "CompanyName", "the Kovlo developers"'
    '      VALUE "FileDescription", L"Kovlo - JPEG \x753b\x50cf\x30d3\x30e5\x30fc\x30a2"'
    "      VALUE \"FileVersion\", \"$version\""
    '      VALUE "InternalName", "kovlo"'
    '      VALUE "LegalCopyright", "Copyright (c) 2026 the Kovlo developers"'
    '      VALUE "OriginalFilename", "kovlo.exe"'
    '      VALUE "ProductName", "Kovlo"'
    "      VALUE \"ProductVersion\", \"$version\""
    '    VALUE "Translation", 0x411, 1200'
)
for line in "${version_lines[@]}"; do
    grep -qxF -- "$line" <<<"$rc" || fail "the version resource lacks '$line'"
done

# The manifest: the quoted pieces of resource 1 of type 24, joined; well
# formed, with each setting in the namespace where Windows looks for it.
manifest=$(sed -n '/^1 24 \/\* RT_MANIFEST \*\/$/,/^END$/p' <<<"$rc" |
           sed -n 's/^  "\(.*\)"$/\1/p' | tr -d '\n' | sed 's/""/"/g; s/\\n/\n/g')
python3 -c 'import sys, xml.dom.minidom as x; x.parseString(sys.stdin.read())' <<<"$manifest" ||
    fail "no well-formed manifest (resource 1 of type RT_MANIFEST)"
settings=(
    # Windows 7, 8, 8.1, and 10 and 11
    '<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1">'
    '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>'
    '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>'
    '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>'
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'
    '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'
    '<application xmlns="urn:schemas-microsoft-com:asm.v3">'
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>'
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'
    '<activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">ja-JP</activeCodePage>'
    '<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
)
for setting in "${settings[@]}"; do
    grep -qF -- "$setting" <<<"$manifest" || fail "the manifest lacks $setting"
done
echo "ok: the version resource of $version and the manifest read back from $exe"
