#ifndef QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_
#define QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_

#include <map>
#include <ostream>
#include <string>

#include "world/city_map.h"

namespace quillmore {

// A place's cell on the drawn map: x counts columns to the east, y rows to the north.
struct map_cell {
  int x;
  int y;

  bool operator==(const map_cell& other) const { return x == other.x && y == other.y; }
};

// The cell of every place, worked out from the exits: each exit leads one cell its way, a bent
// connection one cell diagonally. Where that cell is taken, a new row or column is opened.
std::map<std::string, map_cell> CityMapCells(const city_map& map);

// Writes a story's map, the very connections `BuildMap` links, as a Graphviz graph for dot: one
// box per place, in rows and columns as `CityMapCells` lays them out, and one line per connection.
// A line names the exit it is at each of its ends: taillabel at the place written first,
// headlabel at the place written second. Bent connections, whose way back is not the opposite
// direction, are drawn dashed and red.
void WriteCityMapDot(std::ostream& out, const city_map& map);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_MAP_CITY_MAP_DOT_H_
