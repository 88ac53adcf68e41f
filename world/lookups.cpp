#include <iostream>

#include "world/data_line.h"
#include "world/object_list.h"
#include "world/story_names.h"
#include "world/world.h"

// Every lookup scans its table from slot 0 and takes the first record whose name contains the
// text, so the order of the data files decides between names that contain one another.

int world::FindNPC(const std::string& text) {
  for (int slot = 0; slot < peopleCount; ++slot) {
    if (people[slot].HasName(text)) {
      return slot;
    }
  }
  std::cout << "world - FindNPC: No match for given NPC name." << std::endl;
  return kNoPerson;
}

room* world::RoomByName(const std::string& text) {
  for (int slot = 0; slot < roomCount; ++slot) {
    if (rooms[slot].HasName(text)) {
      return &rooms[slot];
    }
  }
  std::cout << "No match for given place name. Cannot create pointer." << std::endl;
  return nullptr;
}

void world::PlacePersonInRoom(const std::string& text, int slot) {
  for (int index = 0; index < roomCount; ++index) {
    if (rooms[index].HasName(text)) {
      // A person who already stands somewhere stays there: linking him into a second list
      // would tie two lists together, or make one endless.
      if (!StandsInAnyRoom(people[slot])) {
        rooms[index].AddPerson(people[slot]);
      }
      return;
    }
  }
  std::cout << "world - PlacePersonInRoom: No match for given place name." << std::endl;
}

bool world::StandsInAnyRoom(const person& someone) const {
  for (int index = 0; index < roomCount; ++index) {
    if (rooms[index].HasPerson(someone)) {
      return true;
    }
  }
  return false;
}

void world::SearchForName(std::istream& in, const std::string& location, int slot) {
  object& item = objects[slot];
  if (location == kHeldByPerson) {
    std::string holder;
    ReadDataLine(in, holder);
    for (int index = 0; index < peopleCount; ++index) {
      if (people[index].HasName(holder)) {
        people[index].AddHeldItem(item);
        return;
      }
    }
    std::cout << "No match for given NPC name." << std::endl;
    return;
  }
  if (location == kCarriedByPlayer) {
    PushObject(inventory, item);
    return;
  }
  for (int index = 0; index < roomCount; ++index) {
    if (rooms[index].HasName(location)) {
      rooms[index].AddObject(item);
      return;
    }
  }
  std::cout << "world - SearchForName: No match for given place name." << std::endl;
}
