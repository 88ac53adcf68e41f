#include "world/world.h"

namespace quillmore {

happening world::LookAt(std::string_view target) const {
  // The game passes "none" for a look without a target.
  if (target == "none") {
    return {happened::kLookedAround, now.currentRoom};
  }
  int item = FindInInventory(target);
  if (item == kNone) {
    item = FindObjectHere(target);
  }
  if (item == kNone) {
    return {happened::kNothingToSee};
  }
  return {happened::kLookedAt, item};
}

}  // namespace quillmore
