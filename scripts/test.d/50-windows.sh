# The Windows DLLs, cross-built with MinGW-w64 into build-mingw/plugins: their exports and
# imports, and the Windows test host under Wine, against the native build's renderings.
set -euo pipefail
scripts/build.sh build
build/bin/crosscheck_tests --gtest_brief=1 --gtest_filter='*RendersAsTheNativeBuild*'
scripts/build.sh build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-i686.cmake \
    -DZU_CROSSCHECK_REFERENCE="$PWD/build/crosscheck-reference"
ctest --test-dir build-mingw --output-on-failure --timeout 1200
