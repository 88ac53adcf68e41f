#ifndef QUILLMORE_WORLD_STORY_LINES_H_
#define QUILLMORE_WORLD_STORY_LINES_H_

#include <optional>
#include <string_view>
#include <vector>

#include "world/direction.h"

namespace quillmore {

// The lines of map.txt or story.txt that mean something: comments and empty lines left out,
// carriage returns before line feeds dropped. A text line (">") keeps everything after the ">"
// and one blank; any other line loses the blanks around it.
struct story_line {
  int number;  // counted from 1
  bool isText;
  std::string_view content;
};
std::vector<story_line> StoryLines(std::string_view file);

// Takes `keyword` off the front of `line` when the line is the keyword alone or the keyword and
// a blank; the blanks after it go too.
bool TakeKeyword(std::string_view& line, std::string_view keyword);

// north, south, east or west.
std::optional<direction> WayNamed(std::string_view word);
const char* WayName(direction way);

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_STORY_LINES_H_
