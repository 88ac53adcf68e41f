#include "console/console.h"
#include "world/data_reader.h"
#include "world/object_list.h"
#include "world/world.h"

namespace quillmore {

// Every lookup scans its table from slot 0 and takes the first record whose name contains the
// text, so the order of the data files decides between names that contain one another.

namespace {

// Location keywords of the objects file, recognised only as the whole line.
constexpr const char* kHeldByPerson = "NPC";
constexpr const char* kCarriedByPlayer = "USER";

}  // namespace

int world::FindPerson(const std::string& text) const {
  for (int slot = 0; slot < peopleCount; ++slot) {
    if (people[slot].HasName(text)) {
      return slot;
    }
  }
  return kNoPerson;
}

int world::FindNPC(const std::string& text) {
  const int slot = FindPerson(text);
  if (slot == kNoPerson) {
    io.Line("world - FindNPC: No match for given NPC name.");
  }
  return slot;
}

person* world::PersonNamed(const std::string& text) {
  const int slot = FindNPC(text);
  return slot == kNoPerson ? nullptr : &people[slot];
}

room* world::RoomByName(const std::string& text) {
  for (int slot = 0; slot < roomCount; ++slot) {
    if (rooms[slot].HasName(text)) {
      return &rooms[slot];
    }
  }
  return nullptr;
}

void world::PlacePersonInRoom(const std::string& text, int slot) {
  if (!PlaceInRoom(text, slot)) {
    io.Line(MessageFor(problem::kPersonPlace, data_file::kPeople));
  }
}

bool world::PlaceInRoom(const std::string& text, int slot) {
  room* place = RoomByName(text);
  if (place == nullptr) {
    return false;
  }
  // A person who already stands somewhere stays there: linking him into a second list would tie
  // two lists together, or make one endless.
  if (!StandsInAnyRoom(people[slot])) {
    place->AddPerson(people[slot]);
  }
  return true;
}

bool world::StandsInAnyRoom(const person& someone) const {
  for (int index = 0; index < roomCount; ++index) {
    if (rooms[index].HasPerson(someone)) {
      return true;
    }
  }
  return false;
}

void world::SearchForName(data_reader& in, const std::string& location, int slot,
                          load_report& report) {
  object& item = objects[slot];
  if (location == kHeldByPerson) {
    std::string holder;
    in.ReadLine(holder);
    const int index = FindPerson(holder);
    if (index == kNoPerson) {
      report.Add(data_file::kObjects, in.LineNumber(), problem::kObjectHolder, holder);
    } else {
      people[index].AddHeldItem(item);
    }
    return;
  }
  if (location == kCarriedByPlayer) {
    PushObject(inventory, item);
    return;
  }
  room* place = RoomByName(location);
  if (place == nullptr) {
    report.Add(data_file::kObjects, in.LineNumber(), problem::kObjectPlace, location);
  } else {
    place->AddObject(item);
  }
}

}  // namespace quillmore
