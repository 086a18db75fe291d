# The suite again with address, undefined-behaviour and float-conversion checks.
set -euo pipefail
scripts/build.sh build-asan -DZU_SANITIZE=address,undefined,float-cast-overflow -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure --timeout 600 -j2
