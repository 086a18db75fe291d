# The tests that drive a plug-in from two threads, under the thread sanitizer.
set -euo pipefail
scripts/build.sh build-tsan -DZU_SANITIZE=thread
ctest --test-dir build-tsan --output-on-failure --timeout 600 -L threads
