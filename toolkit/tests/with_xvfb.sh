#!/usr/bin/env bash
# with_xvfb.sh COMMAND [ARG ...]: runs COMMAND on a virtual display of its own (Xvfb picks a
# free display number) and stops the display afterwards. Fails when Xvfb is missing.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "with_xvfb.sh: Xvfb is not installed" >&2; exit 1; }
dir=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
pid=$!
for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
display=$(head -n 1 "$dir/display" 2>/dev/null || true)
if [ -z "$display" ]; then
    echo "with_xvfb.sh: Xvfb did not start" >&2
    cat "$dir/log" >&2
    exit 1
fi
DISPLAY=":$display" "$@"
