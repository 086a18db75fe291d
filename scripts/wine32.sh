#!/usr/bin/env bash
# wine32.sh PROGRAM.exe [ARG ...]: runs a 32-bit Windows console program under Wine (Debian's
# wine32) in a fresh prefix made for this run and removed after it, bounded by a timeout
# (ZU_WINE_TIMEOUT seconds, 900 by default). Exits with the program's status.
#
# The prefix holds only the drives: a console program needs none of the set-up that wineboot
# does (registry, services, desktop), and Wine loads its own DLLs from where it is installed.
# On a machine that cannot run 32-bit x86 programs, Wine's 32-bit loader and server run under
# qemu-i386: a private copy of the loader finds a preloader and a server beside it that start
# the real ones under the emulator, for this run and the processes it starts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
limit=${ZU_WINE_TIMEOUT:-900}
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARG ...]" >&2; exit 2; }

work=$(mktemp -d)
server=(wineserver)
cleanup() {
    timeout 120 "${server[@]}" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/prefix
mkdir -p "$WINEPREFIX/dosdevices" "$WINEPREFIX/drive_c/windows/system32"
ln -s ../drive_c "$WINEPREFIX/dosdevices/c:"
ln -s / "$WINEPREFIX/dosdevices/z:"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="wineboot.exe=d"
# Lets Wine load its own DLLs without copies of them in the prefix's system folder.
export WINEBOOTSTRAPMODE=1
unset DISPLAY

emulator=$("$here/i386-emulator.sh")
if [ -z "$emulator" ]; then
    loader=(wine)
else
    # The loader looks for wine-preloader and wineserver in its own folder, and for its
    # libraries and data relative to it.
    lib=$work/lib
    mkdir -p "$lib/wine" "$lib/i386-linux-gnu" "$work/share"
    cp /usr/lib/wine/wine "$lib/wine/wine"
    ln -s /usr/lib/i386-linux-gnu/wine "$lib/i386-linux-gnu/wine"
    ln -s /usr/share/wine "$work/share/wine"
    printf '#!/bin/sh\nloader=$1\nshift\nexec %s -0 "$loader" "$loader" "$@"\n' "$emulator" \
        >"$lib/wine/wine-preloader"
    printf '#!/bin/sh\nexec %s /usr/lib/wine/wineserver32 "$@"\n' "$emulator" >"$lib/wine/wineserver"
    chmod +x "$lib/wine/wine-preloader" "$lib/wine/wineserver"
    export WINELOADERNOEXEC=1
    loader=("$emulator" "$lib/wine/wine")
    server=("$lib/wine/wineserver")
fi

status=0
timeout --kill-after=30 "$limit" "${loader[@]}" "$@" || status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "wine32.sh: $1 did not finish within $limit seconds" >&2
fi
exit "$status"
