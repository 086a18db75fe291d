# The whole suite on the native build, warnings as errors.
set -euo pipefail
scripts/build.sh build
ctest --test-dir build --output-on-failure --timeout 300 -j2
