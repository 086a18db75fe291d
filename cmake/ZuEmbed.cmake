# zu_embed_files(<target> NAMESPACE <ns> FILES <file>...): a static library whose generated
# source holds the files' bytes, found by file name through
#     std::span<const unsigned char> <ns>::File(std::string_view name)   (empty when unknown)
# which the user declares in a header of its own.
include_guard(GLOBAL)

function(zu_embed_files target)
    cmake_parse_arguments(ARG "" "NAMESPACE" "FILES" ${ARGN})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.cpp)
    set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_files.cmake)
    string(REPLACE ";" "|" files "${ARG_FILES}")
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} -DNAMESPACE=${ARG_NAMESPACE} -DFILES=${files}
                -P ${script}
        DEPENDS ${ARG_FILES} ${script}
        COMMENT "Embedding files into ${target}"
        VERBATIM)
    add_library(${target} STATIC ${out})
endfunction()
