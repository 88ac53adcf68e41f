# Writes OUTPUT, a C++ source that defines kBuiltInMap and kBuiltInStory as the exact bytes of
# map.txt and story.txt in DATA_DIR: the story a folder without its own plays, built from the
# one source of the shipped story.
#
#   cmake -DDATA_DIR=... -DOUTPUT=... -P embed_story.cmake

set(text "// Made by cmake/embed_story.cmake from ${DATA_DIR}; do not edit.\n")
string(APPEND text "#include \"story/built_in_story.h\"\n\nnamespace quillmore {\n\nnamespace {\n")
foreach(pair "map;Map" "story;Story")
  list(GET pair 0 file)
  list(GET pair 1 name)
  file(READ "${DATA_DIR}/${file}.txt" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size_${name} "${digits} / 2")
  # Two hex digits per byte; one source line per data line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(REPLACE "'\\x0a'," "'\\x0a',\n    " bytes "${bytes}")
  string(APPEND text "const char k${name}Bytes[] = {\n    ${bytes}'\\0'};\n")
endforeach()
string(APPEND text "}  // namespace\n\n")
foreach(name Map Story)
  string(APPEND text "const std::string_view kBuiltIn${name}(k${name}Bytes, ${size_${name}});\n")
endforeach()
string(APPEND text "\n}  // namespace quillmore\n")
file(WRITE "${OUTPUT}.new" "${text}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
