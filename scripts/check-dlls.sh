#!/usr/bin/env bash
# check-dlls.sh DLL ...: each plug-in DLL exports exactly one name, "main", and imports only
# Windows system DLLs (no MinGW runtime DLLs that would have to be shipped beside it).
set -euo pipefail
objdump=i686-w64-mingw32-objdump
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll ntdll.dll shell32.dll ole32.dll comctl32.dll comdlg32.dll winmm.dll "
failed=0
for dll in "$@"; do
    report=$("$objdump" -p "$dll")
    exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$report" | sed -n 's/^\s*\[ *[0-9]*\] //p')
    addresses=$(sed -n 's/^\s*Export Address Table\s*\([0-9a-f]*\)$/\1/p' <<<"$report" | head -1)
    imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$report")
    if [ "$exports" != main ] || [ "$((16#${addresses:-0}))" -ne 1 ]; then
        echo "$dll: exports '$(echo $exports)' ($((16#${addresses:-0})) addresses), not just main" >&2
        failed=1
    fi
    for import in $imports; do
        if [[ "$system_dlls" != *" ${import,,} "* ]]; then
            echo "$dll: imports $import, which is not a Windows system DLL" >&2
            failed=1
        fi
    done
    echo "$dll: exports $(echo $exports); imports $(echo $imports)"
done
exit "$failed"
