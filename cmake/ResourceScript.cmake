# Writes OUTPUT: the program's resource table from ENTRIES ("type:id:skip=path|..."), where type
# is a text type ("PNG") or a number (2 for bitmaps), and skip the count of leading file bytes that
# are not part of the resource (the 14-byte header of a bitmap file).
string(REPLACE "|" ";" entries "${ENTRIES}")
set(arrays "")
set(table "")
set(index 0)
foreach(entry IN LISTS entries)
    string(FIND "${entry}" "=" split)
    string(SUBSTRING "${entry}" 0 ${split} key)
    math(EXPR start "${split} + 1")
    string(SUBSTRING "${entry}" ${start} -1 path)
    string(REPLACE ":" ";" parts "${key}")
    list(GET parts 0 type)
    list(GET parts 1 id)
    list(GET parts 2 skip)
    file(READ "${path}" hex OFFSET ${skip} HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kResource${index}[] = {${bytes} 0};\n")
    if(type MATCHES "^[0-9]+$")
        set(typeText "nullptr, ${type}")
    else()
        set(typeText "u\"${type}\", 0")
    endif()
    string(APPEND table "        {${typeText}, nullptr, ${id}, kResource${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the files under res/; edit those instead.
#include \"res/ResourceTable.h\"

namespace {
${arrays}} // namespace

std::span<const platform::ResourceEntry> generatedResources() {
    static const platform::ResourceEntry entries[] = {
${table}    };
    return entries;
}
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
