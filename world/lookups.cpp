#include "world/world.h"

namespace quillmore {

// Every lookup takes the first record whose name contains the text, so the order of the data
// files, or of a list, decides between names that contain one another.

namespace {

template <typename record>
int FirstNamed(const std::vector<record>& table, std::string_view text) {
  for (std::size_t at = 0; at < table.size(); ++at) {
    if (table[at].HasName(text)) {
      return static_cast<int>(at);
    }
  }
  return kNone;
}

}  // namespace

int world::FindNPC(std::string_view text) const {
  return FirstNamed(records->people, text);
}

int world::RoomByName(std::string_view text) const {
  return FirstNamed(records->rooms, text);
}

int world::FindPersonHere(std::string_view text) const {
  for (const int member : PeopleIn(now.currentRoom)) {
    if (PersonAt(member).HasName(text)) {
      return member;
    }
  }
  return kNone;
}

int world::FindObjectHere(std::string_view text) const {
  return FindObjectIn(now.roomObjects[now.currentRoom], text);
}

int world::FindInInventory(std::string_view text) const {
  return FindObjectIn(now.inventory, text);
}

int world::FindObjectIn(int head, std::string_view text) const {
  for (const int item : slot_list(head, now.nextObject)) {
    if (ObjectAt(item).HasName(text)) {
      return item;
    }
  }
  return kNone;
}

}  // namespace quillmore
