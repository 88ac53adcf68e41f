#ifndef QUILLMORE_WORLD_CITY_MAP_H_
#define QUILLMORE_WORLD_CITY_MAP_H_

#include <cstddef>

#include "world/direction.h"

namespace quillmore {

// One connection of the city. An ordinary connection leads back the opposite way; a bent one
// leads back in `wayBack`, which is not the opposite of `way`.
struct connection {
  const char* first;
  direction way;
  const char* second;
  direction wayBack;

  bool IsBent() const { return wayBack != Opposite(way); }
};

// Where the game starts, and the first place of the map.
constexpr const char* kStartRoom = "Fitzgerald Park";

constexpr std::size_t kConnectionCount = 40;

// The links between the places, in the order the map is built.
extern const connection kCityMap[kConnectionCount];

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_CITY_MAP_H_
