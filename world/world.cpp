#include "world/world.h"

namespace quillmore {

world::world() : records(std::make_shared<tables>()) {}

world::tables& world::Tables() {
  if (records.use_count() > 1) {
    records = std::make_shared<tables>(*records);
  }
  return *records;
}

void world::PushObject(slot& head, int item) {
  now.nextObject[item] = head;
  head = static_cast<slot>(item);
}

// Unlinks and returns the first object of the list whose name contains `text`, or none.
int world::UnlinkObject(slot& head, std::string_view text) {
  slot* link = &head;
  while (*link != kNone && !ObjectAt(*link).HasName(text)) {
    link = &now.nextObject[*link];
  }
  const int item = *link;
  if (item != kNone) {
    *link = now.nextObject[item];
    now.nextObject[item] = kNone;
  }
  return item;
}

int world::RoomOf(int someone) const {
  for (int place = 0; place < RoomCount(); ++place) {
    for (const int member : PeopleIn(place)) {
      if (member == someone) {
        return place;
      }
    }
  }
  return kNone;
}

bool world::operator==(const world& other) const {
  return now == other.now && (records == other.records || *records == *other.records);
}

// The slots and stages of the loaded records only: the rest never changes.
std::string world::Key() const {
  std::string key;
  const auto add = [&key](const auto& table, int count) {
    for (int at = 0; at < count; ++at) {
      key.push_back(static_cast<char>(table[static_cast<std::size_t>(at)]));
    }
  };
  key.push_back(static_cast<char>(now.currentRoom));
  key.push_back(static_cast<char>(now.inventory));
  add(now.nextObject, ObjectCount());
  add(now.roomObjects, RoomCount());
  add(now.roomPeople, RoomCount());
  add(now.heldItems, PeopleCount());
  add(now.nextPerson, PeopleCount());
  add(now.questStage, PeopleCount());
  add(now.giftStage, PeopleCount());
  return key;
}

}  // namespace quillmore
