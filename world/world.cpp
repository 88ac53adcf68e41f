#include "world/world.h"

#include <cstring>

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
  const int item = FindObjectIn(head, text);
  if (item != kNone) {
    UnlinkSlot(head, item);
  }
  return item;
}

// The object must be in the list.
void world::UnlinkSlot(slot& head, int item) {
  slot* link = &head;
  while (*link != item) {
    link = &now.nextObject[*link];
  }
  *link = now.nextObject[item];
  now.nextObject[item] = kNone;
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

// The state of play is bytes without padding, and equal records have equal contents.
bool world::operator==(const world& other) const {
  static_assert(sizeof(play) == 7 * sizeof(slot_table) + 2);
  return std::memcmp(&now, &other.now, sizeof now) == 0 &&
         (records == other.records || records->SameAs(*other.records));
}

bool world::tables::SameAs(const tables& other) const {
  const std::string mine = Contents();
  const std::string theirs = other.Contents();
  return mine == theirs;
}

std::string world::tables::Contents() const {
  std::string text;
  for (const room& place : rooms) {
    text.append(place.name).append("\n").append(place.description).append("\n");
    text.append(place.detail).append("\n");
    text.append(reinterpret_cast<const char*>(place.exits.data()), place.exits.size());
  }
  for (const object& item : objects) {
    text.append(item.name).append("\n").append(item.description).append("\n");
  }
  for (const person& someone : people) {
    text.append(someone.name).append("\n");
  }
  return text;
}

// The slots and stages of the loaded records only: the rest never changes. Every entry is one
// byte.
std::string world::Key() const {
  const auto objects = static_cast<std::size_t>(ObjectCount());
  const auto rooms = static_cast<std::size_t>(RoomCount());
  const auto people = static_cast<std::size_t>(PeopleCount());
  std::string key(2 + objects + 2 * rooms + 4 * people, '\0');
  char* at = key.data();
  const auto add = [&at](const auto& table, std::size_t count) {
    static_assert(sizeof table[0] == 1);
    std::memcpy(at, table.data(), count);
    at += count;
  };
  *at++ = static_cast<char>(now.currentRoom);
  *at++ = static_cast<char>(now.inventory);
  add(now.nextObject, objects);
  add(now.roomObjects, rooms);
  add(now.roomPeople, rooms);
  add(now.heldItems, people);
  add(now.nextPerson, people);
  add(now.questStage, people);
  add(now.giftStage, people);
  return key;
}

}  // namespace quillmore
