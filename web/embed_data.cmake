# Writes OUTPUT, a C++ source that defines kShippedRooms, kShippedPeople, kShippedObjects,
# kShippedMap and kShippedStory as the exact bytes of the five data files in DATA_DIR, and
# kShippedDataKey, 16 hex digits of a SHA-256 of the first three that tell one version of the
# data from another, as they did before the map and the story were data.
#
#   cmake -DDATA_DIR=... -DOUTPUT=... -P embed_data.cmake

set(text "// Made by web/embed_data.cmake from ${DATA_DIR}; do not edit.\n")
string(APPEND text "#include \"web/shipped_data.h\"\n\nnamespace {\n")
set(all_files "")
foreach(pair "rooms;Rooms" "people;People" "objects;Objects" "map;Map" "story;Story")
  list(GET pair 0 file)
  list(GET pair 1 name)
  file(READ "${DATA_DIR}/${file}.txt" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # Two hex digits per byte; one source line per data line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(REPLACE "'\\x0a'," "'\\x0a',\n    " bytes "${bytes}")
  string(APPEND text "const char k${name}Bytes[] = {\n    ${bytes}'\\0'};\n")
  set(size_${name} ${size})
  if(NOT file MATCHES "^(map|story)$")
    string(APPEND all_files "${file} ${size} ${hex}\n")
  endif()
endforeach()
string(SHA256 key "${all_files}")
string(SUBSTRING "${key}" 0 16 key)
string(APPEND text "}  // namespace\n\n")
foreach(name Rooms People Objects Map Story)
  string(APPEND text
    "const std::string_view kShipped${name}(k${name}Bytes, ${size_${name}});\n")
endforeach()
string(APPEND text "const std::string_view kShippedDataKey(\"${key}\");\n")
file(WRITE "${OUTPUT}.new" "${text}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
