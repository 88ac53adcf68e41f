#include "console/console.h"
#include "world/world.h"

namespace quillmore {

void world::LookAt(const std::string& target) const {
  // The shell passes "none" for a look without a target.
  if (target == "none") {
    currentRoom->Describe(io);
    return;
  }
  const object* item = FindInInventory(target);
  if (item == nullptr) {
    item = currentRoom->FindObject(target);
  }
  if (item == nullptr) {
    io.Line("That item is nowhere to be found.");
    return;
  }
  item->Describe(io);
}

}  // namespace quillmore
