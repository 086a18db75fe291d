#!/usr/bin/env bash
# build.sh [DIR [CMAKE OPTION ...]]: configures and builds the tree into DIR (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZU_WERROR=ON -DZU_BUILD_BENCH=ON "$@" >/dev/null
ninja -C "$dir"
