# GoogleTest: the packaged libraries in native builds. They are built for this machine only, so
# cross builds (32-bit Linux, Windows) compile GoogleTest from its sources (libgtest-dev).
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    return()
endif()

set(ZU_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZU_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock gmock_main)
    # Not our code: its warnings are not ours to fix.
    target_compile_options(${library} PRIVATE -w)
endforeach()
