#ifndef QUILLMORE_WORLD_CITY_MAP_H_
#define QUILLMORE_WORLD_CITY_MAP_H_

#include <string>
#include <vector>

#include "world/direction.h"

namespace quillmore {

// One connection of the map, as map.txt gives it. An ordinary connection leads back the
// opposite way; a bent one leads back in `wayBack`, which is not the opposite of `way`. The
// places are texts contained in room names, found as the rooms file's locations are.
struct connection {
  std::string first;
  direction way;
  std::string second;
  direction wayBack;
  int line = 0;  // in map.txt

  bool IsBent() const { return wayBack != Opposite(way); }
};

// Where the game starts, and the links between the places in the order the map is built.
struct city_map {
  std::string start;
  int startLine = 0;
  std::vector<connection> links;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_CITY_MAP_H_
