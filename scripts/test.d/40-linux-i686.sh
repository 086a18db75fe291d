# The 32-bit Linux build (-m32): the plug-ins and every test but the tools' and the editor's,
# with the renderings compared against the native build's. On machines that cannot run 32-bit
# programs themselves the tests run under qemu-i386.
set -euo pipefail
scripts/build.sh build
build/bin/crosscheck_tests --gtest_brief=1 --gtest_filter='*RendersAsTheNativeBuild*'
emulator=$(scripts/i386-emulator.sh)
scripts/build.sh build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/linux-i686.cmake \
    -DZU_BUILD_TOOLS=OFF -DZU_BUILD_EDITOR=OFF \
    -DZU_CROSSCHECK_REFERENCE="$PWD/build/crosscheck-reference" \
    ${emulator:+-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator}
ctest --test-dir build-i686 --output-on-failure --timeout 600 -j2
