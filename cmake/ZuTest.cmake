# zu_add_test(<name> SOURCES ... [LIBS ...] [PLUGINS ...] [LABELS ...])
# PLUGINS are plug-in targets the test loads from ZU_PLUGIN_DIR; they are built first.
function(zu_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PLUGINS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        ZU_PLUGIN_DIR="${CMAKE_LIBRARY_OUTPUT_DIRECTORY}"
        ZU_PLUGIN_SUFFIX="${CMAKE_SHARED_MODULE_SUFFIX}")
    if(ARG_PLUGINS)
        add_dependencies(${name} ${ARG_PLUGINS})
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${ARG_LABELS}")
endfunction()
