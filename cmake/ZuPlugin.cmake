# zu_add_plugin(<name> <effect library> <entry source>): one deliverable, exporting only its entry.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

function(zu_add_plugin name effect_library entry_source)
    add_library(${name} MODULE ${entry_source})
    target_link_libraries(${name} PRIVATE ${effect_library})
    set_target_properties(${name} PROPERTIES PREFIX "")
    if(WIN32)
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/plugin.def)
        target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
    elseif(ZU_SANITIZE)
        # The sanitizer runtime comes with the host program.
        target_link_options(${name} PRIVATE
            -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin.map)
    else()
        target_link_options(${name} PRIVATE
            -static-libstdc++ -static-libgcc
            -Wl,--no-undefined
            -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin.map)
        set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/plugin.map)
    endif()
    set_property(GLOBAL APPEND PROPERTY ZU_PLUGINS ${name})
endfunction()
