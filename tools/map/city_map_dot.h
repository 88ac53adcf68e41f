#ifndef QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_
#define QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_

#include <ostream>

namespace quillmore {

// Writes the game's city map, the very table `BuildMap` links, as a Graphviz graph: one box per
// place and one line per connection. A line names the exit it is at each of its ends: taillabel
// at the place written first, headlabel at the place written second. Bent connections, whose way
// back is not the opposite direction, are drawn dashed and red.
void WriteCityMapDot(std::ostream& out);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_
