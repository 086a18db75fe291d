#!/usr/bin/env bash
# i386-emulator.sh: prints the command that runs 32-bit x86 programs on this machine: nothing
# when the machine runs them itself, qemu-i386 when it cannot (some virtual machines have no
# 32-bit user mode). Needs gcc -m32 (g++-multilib).
set -euo pipefail
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
echo 'int main(void) { return 0; }' | gcc -m32 -x c - -o "$probe"
if "$probe" 2>/dev/null; then
    exit 0
fi
if ! command -v qemu-i386 >/dev/null; then
    echo "This machine cannot run 32-bit x86 programs and qemu-i386 (package qemu-user) is missing." >&2
    exit 1
fi
echo qemu-i386
