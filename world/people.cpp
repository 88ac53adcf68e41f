#include "world/world.h"

namespace quillmore {

void world::HandTo(int item, int receiver) {
  UnlinkSlot(now.inventory, item);
  PushObject(now.heldItems[receiver], item);
}

happening world::TakeFromPerson(std::string_view item, std::string_view holder) {
  const int giver = FindPersonHere(holder);
  if (giver == kNone) {
    return {happened::kGiverAway};
  }
  const int handed = UnlinkObject(now.heldItems[giver], item);
  if (handed == kNone) {
    return {happened::kGiverLacksItem};
  }
  PushObject(now.inventory, handed);
  return {happened::kReceived, handed, item};
}

bool world::PlacePersonInRoom(std::string_view place, int someone) {
  const int found = RoomByName(place);
  if (found == kNone) {
    return false;
  }
  // A person who already stands somewhere stays there: linking him into a second list would tie
  // two lists together, or make one endless.
  if (RoomOf(someone) == kNone) {
    now.nextPerson[someone] = now.roomPeople[found];
    now.roomPeople[found] = static_cast<slot>(someone);
  }
  return true;
}

}  // namespace quillmore
