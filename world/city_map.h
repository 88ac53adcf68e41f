#ifndef QUILLMORE_WORLD_CITY_MAP_H_
#define QUILLMORE_WORLD_CITY_MAP_H_

#include <cstddef>

#include "world/direction.h"

// One connection of the city. An ordinary connection leads back the opposite way; a bent one
// leads back in `wayBack`, which is not the opposite of `direction`.
struct connection {
  const char* first;
  int direction;
  const char* second;
  int wayBack;

  bool IsBent() const { return wayBack != Opposite(direction); }
};

constexpr std::size_t kConnectionCount = 40;

// The links between the places, in the order the map is built.
extern const connection kCityMap[kConnectionCount];

#endif  // QUILLMORE_WORLD_CITY_MAP_H_
