#include "world/world.h"

namespace quillmore {

happening world::GetObject(std::string_view text) {
  // What lies here comes first; a carried object is picked up again, to the front.
  int item = UnlinkObject(now.roomObjects[now.currentRoom], text);
  if (item == kNone) {
    item = UnlinkObject(now.inventory, text);
  }
  if (item == kNone) {
    return {happened::kItemNotFound};
  }
  PushObject(now.inventory, item);
  return {happened::kPickedUp, item};
}

happening world::DropObject(std::string_view text) {
  const int item = UnlinkObject(now.inventory, text);
  if (item == kNone) {
    return {happened::kNotCarried};
  }
  PushObject(now.roomObjects[now.currentRoom], item);
  return {happened::kDropped, item};
}

}  // namespace quillmore
