# Writes OUTPUT: a C++ source holding the bytes of ENTRIES ("name=path|name=path...").
string(REPLACE "|" ";" entries "${ENTRIES}")
set(body "")
set(table "")
set(index 0)
foreach(entry IN LISTS entries)
    string(FIND "${entry}" "=" split)
    string(SUBSTRING "${entry}" 0 ${split} name)
    math(EXPR start "${split} + 1")
    string(SUBSTRING "${entry}" ${start} -1 path)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND body "const char kFile${index}[] = {${bytes} 0};\n")
    string(APPEND table "    {\"${name}\", std::string_view(kFile${index}, ${size})},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the embedded files; edit those instead.
#include \"tools/common/EmbeddedFiles.h\"


namespace ${NAMESPACE} {
namespace {
${body}
const EmbeddedFile kFiles[] = {
${table}};
} // namespace

const EmbeddedFile* findEmbeddedFile(std::string_view name) {
    for (const auto& file : kFiles)
        if (file.name == name)
            return &file;
    return nullptr;
}
} // namespace ${NAMESPACE}
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
