# Writes OUTPUT, a C++ source holding the bytes of FILES ("|"-separated) and NAMESPACE::File.
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(lookup "")
set(index 0)
foreach(file ${files})
    get_filename_component(name ${file} NAME)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])"
           "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kFile${index}[] = {\n${bytes}};\n")
    string(APPEND lookup "    if (name == \"${name}\") return kFile${index};\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from embedded files; do not edit.
#include <span>
#include <string_view>

namespace ${NAMESPACE} {
namespace {
${arrays}} // namespace

std::span<const unsigned char> File(std::string_view name) {
${lookup}    return {};
}

} // namespace ${NAMESPACE}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
