# 32-bit Windows (i686), cross-built with Debian's MinGW-w64 compilers (the POSIX thread model,
# which has std::thread and std::mutex). Everything is linked statically, so the DLLs and the
# test host depend on Windows system DLLs only. SSE2 arithmetic as on x86_64, and the C runtime's
# standard-conforming formatted printing so that texts are the same bytes as on Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)

set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static")
endforeach()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
