#ifndef QUILLMORE_WORLD_DIRECTION_H_
#define QUILLMORE_WORLD_DIRECTION_H_

// Direction codes index a room's exits. North and south, east and west are opposites.
constexpr int kNorth = 0;
constexpr int kSouth = 1;
constexpr int kEast = 2;
constexpr int kWest = 3;
constexpr int kDirectionCount = 4;

inline bool IsDirection(int code) {
  return code >= 0 && code < kDirectionCount;
}

// Codes come in opposite pairs (0,1) and (2,3), so flipping the low bit gives the way back.
inline int Opposite(int code) {
  return code ^ 1;
}

#endif  // QUILLMORE_WORLD_DIRECTION_H_
