#!/usr/bin/env bash
# install.sh [DIR]: copies the built plug-ins to DIR, by default where Linux hosts look ($HOME/.vst).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-$HOME/.vst}
shopt -s nullglob
plugins=(build/plugins/*.so)
if [ ${#plugins[@]} -eq 0 ]; then
    echo "No plug-ins in build/plugins: run scripts/demo.sh (or scripts/build.sh) first." >&2
    exit 1
fi
mkdir -p "$target"
cp -v "${plugins[@]}" "$target/"
