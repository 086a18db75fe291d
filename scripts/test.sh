#!/usr/bin/env bash
# Installs what is missing, then runs every test step in test.d/ in order and sums up.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for step in scripts/test.d/*.sh; do
    echo "=== ${step##*/}"
    bash "$step" 2>&1 | tee -a "$log"
done
# Every ctest run ends with "N% tests passed, F tests failed out of T".
awk '/tests failed out of/ { failed += $4; total += $NF }
     END { printf "total: %d passed, %d failed\n", total - failed, failed }' "$log"
