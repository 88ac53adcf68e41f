#include "world/world.h"

namespace quillmore {

happening world::Move(direction way) {
  const int next = RoomAt(now.currentRoom).GetExit(way);
  if (next == kNone) {
    return {happened::kNoExit};
  }
  now.currentRoom = static_cast<slot>(next);
  return {happened::kMoved, next};
}

}  // namespace quillmore
