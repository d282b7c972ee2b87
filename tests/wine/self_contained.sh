#!/usr/bin/env bash
# kovlo.exe is one self-contained GUI program: the WIN32 subsystem, and DLL
# imports from Windows itself only (no C++ runtime, libgcc or winpthread DLL
# that would have to lie beside it), and none of the calls that Windows 7 and
# 8.1 lack, which would keep it from starting there (the program looks them
# up by name). The suite builds it first (windows.build).
#   self_contained.sh EXE
set -euo pipefail
exe=$1
[ -f "$exe" ] || { echo "FAIL: no $exe (tools/windows-build.sh builds it)"; exit 1; }
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" ||
    { echo "FAIL: not a GUI program: $(grep '^Subsystem' <<<"$headers")"; exit 1; }
status=0
while read -r dll; do
    case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
    *) echo "FAIL: imports $dll, which is not part of Windows"; status=1 ;;
    esac
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
for call in GetDpiForWindow GetSystemMetricsForDpi; do
    if grep -Eq "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$call\$" <<<"$headers"; then
        echo "FAIL: imports $call, which Windows has only from Windows 10 1607 on"; status=1
    fi
done
[ $status -eq 0 ] && echo "ok: a GUI program importing only Windows' own DLLs"
exit $status
