#include "console/console.h"
#include "world/world.h"

namespace quillmore {

room* world::Move(direction way) {
  room* next = currentRoom->GetExit(way);
  if (next == nullptr) {
    io.Line("There is no exit in that direction.");
    return nullptr;
  }
  currentRoom = next;
  return next;
}

void world::DescribeCurrentRoom() const {
  currentRoom->Describe(io);
}

}  // namespace quillmore
