# Writes OUTPUT, a C++ source that defines the table of platform/embedded/EmbeddedResource.h from
# RESOURCES, a list NAME=FILE.bmp separated by '|'. Each entry holds the file without its 14-byte
# file header, so that it equals what a Windows bitmap resource holds.
string(REPLACE "|" ";" entries "${RESOURCES}")
string(REPEAT "[0-9a-f]" 32 line)
set(body "")
set(table "")
foreach(entry ${entries})
    string(FIND "${entry}" "=" at)
    string(SUBSTRING "${entry}" 0 ${at} name)
    math(EXPR from "${at} + 1")
    string(SUBSTRING "${entry}" ${from} -1 path)
    file(READ "${path}" magic LIMIT 2)
    if(NOT magic STREQUAL "BM")
        message(FATAL_ERROR "${path} is not a bitmap file")
    endif()
    file(READ "${path}" hex OFFSET 14 HEX)
    # Sixteen bytes a line, then each byte as a literal.
    string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND body "const uint8_t k${name}[] = {\n${bytes}};\n")
    string(APPEND table "    {\"${name}\", k${name}, sizeof k${name}},\n")
endforeach()
file(WRITE "${OUTPUT}.new"
    "// Generated from the pictures in assets/ by EmbedBitmaps.cmake.\n"
    "#include \"platform/embedded/EmbeddedResource.h\"\n\n"
    "namespace {\n\n${body}\n} // namespace\n\n"
    "const EmbeddedResource kEmbeddedResources[] = {\n${table}};\n"
    "const size_t kEmbeddedResourceCount = sizeof kEmbeddedResources / sizeof kEmbeddedResources[0];\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
