#!/usr/bin/env bash
# Installs what is missing, then runs every test step in test.d/ in order.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for step in scripts/test.d/*.sh; do
    echo "=== ${step##*/}"
    bash "$step"
done
echo "=== all test steps passed"
