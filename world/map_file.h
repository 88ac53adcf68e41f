#ifndef QUILLMORE_WORLD_MAP_FILE_H_
#define QUILLMORE_WORLD_MAP_FILE_H_

#include <string_view>

#include "world/city_map.h"
#include "world/load_report.h"

namespace quillmore {

// Reads the text of map.txt (quillmore-story(5)): the start place and the connections, each
// line that cannot be read added to the report. The names are not looked up here: BuildMap does.
city_map ReadMap(std::string_view text, load_report& report);

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_MAP_FILE_H_
