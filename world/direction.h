#ifndef QUILLMORE_WORLD_DIRECTION_H_
#define QUILLMORE_WORLD_DIRECTION_H_

namespace quillmore {

// Directions index a room's exits. North and south, east and west are opposites.
enum class direction { kNorth, kSouth, kEast, kWest };
constexpr int kDirectionCount = 4;

constexpr int IndexOf(direction way) {
  return static_cast<int>(way);
}

// Directions come in opposite pairs (north, south) and (east, west), so flipping the low bit of
// the index gives the way back.
constexpr direction Opposite(direction way) {
  return static_cast<direction>(IndexOf(way) ^ 1);
}

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_DIRECTION_H_
