#!/usr/bin/env bash
# The main job: installs what is missing, builds everything, renders the demo into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh base
scripts/build.sh build
build/bin/zu-demo out build/plugins demo/plans
