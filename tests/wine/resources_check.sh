#!/usr/bin/env bash
# kovlo.exe's version resource and manifest, read back from the executable
# (windres decompiles its resources): the numbers and texts that Explorer's
# Properties show, and the manifest that Windows reads when it starts the
# program (resource 1 of type RT_MANIFEST), each setting in the namespace
# where Windows looks for it. Exit code 77 (skipped) when the program has not
# been built (tools/windows-build.sh).
#   resources_check.sh EXE VERSION
set -euo pipefail
exe=$1 version=$2
[ -f "$exe" ] || { echo "skipped: no $exe (tools/windows-build.sh builds it)"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
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

# The manifest's text: the quoted pieces of resource 1 of type 24, joined.
manifest=$(sed -n '/^1 24 \/\* RT_MANIFEST \*\/$/,/^END$/p' <<<"$rc" |
           sed -n 's/^  "\(.*\)"$/\1/p' | tr -d '\n' | sed 's/""/"/g; s/\\n/\n/g')
[ -n "$manifest" ] || fail "no manifest (resource 1 of type RT_MANIFEST)"
MANIFEST=$manifest python3 - <<'PYTHON' || fail "the manifest differs"
import os, sys, xml.etree.ElementTree as ET

ns = {
    "v1": "urn:schemas-microsoft-com:asm.v1",
    "v3": "urn:schemas-microsoft-com:asm.v3",
    "os": "urn:schemas-microsoft-com:compatibility.v1",
    "w5": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
    "w16": "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
    "w19": "http://schemas.microsoft.com/SMI/2019/WindowsSettings",
}
settings = "v3:application/v3:windowsSettings/"
# path | attribute ("" for the text) | what it must hold
expected = [
    # Windows 7, 8, 8.1, 10 and 11
    ("os:compatibility/os:application/os:supportedOS", "Id",
     ["{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
      "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"]),
    ("v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel", "level", ["asInvoker"]),
    (settings + "w19:activeCodePage", "", ["ja-JP"]),
    (settings + "w5:dpiAware", "", ["true/pm"]),
    (settings + "w16:dpiAwareness", "", ["PerMonitorV2, PerMonitor"]),
    ("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", "name", ["Microsoft.Windows.Common-Controls"]),
    ("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", "version", ["6.0.0.0"]),
]
root = ET.fromstring(os.environ["MANIFEST"])
failed = False
for path, attribute, want in expected:
    got = [(e.get(attribute) if attribute else e.text) for e in root.findall(path, ns)]
    if got != want:
        print(f"FAIL: {path} {attribute}: {got}, not {want}", file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)
PYTHON
echo "ok: the version resource of $version and the manifest read back from $exe"
