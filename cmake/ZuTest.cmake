# zu_add_test(<name> SOURCES ... [LIBS ...] [PLUGINS ...] [LABELS ...] [ENVIRONMENT VAR=VALUE ...])
# PLUGINS are plug-in targets the test loads from ZU_PLUGIN_DIR; they are built first.
# Environment for tests of programs that draw text: the sanitizer run leaves out known leaks of
# system libraries, which it can only name with full stacks.
set(ZU_SYSTEM_LEAKS_ENVIRONMENT
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/../tests/support/system_leaks.supp:fast_unwind_on_malloc=0:print_suppressions=0")

function(zu_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PLUGINS;LABELS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        ZU_PLUGIN_DIR="${CMAKE_LIBRARY_OUTPUT_DIRECTORY}"
        ZU_PLUGIN_SUFFIX="${CMAKE_SHARED_MODULE_SUFFIX}")
    if(ARG_PLUGINS)
        add_dependencies(${name} ${ARG_PLUGINS})
    endif()
    set(properties LABELS "${ARG_LABELS}")
    if(ARG_ENVIRONMENT)
        list(PREPEND properties ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
