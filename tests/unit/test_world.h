#ifndef QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
#define QUILLMORE_TESTS_UNIT_TEST_WORLD_H_

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/captured_output.h"
#include "world/object.h"
#include "world/world.h"

// Loads a world from the texts of the three files and, if asked, links the map. Returns what
// the loaders and the map wrote.
inline std::string LoadWorld(world& game, const std::string& rooms, const std::string& people,
                             const std::string& objects, bool linkMap = false) {
  captured_output output;
  std::istringstream roomsIn(rooms);
  std::istringstream peopleIn(people);
  std::istringstream objectsIn(objects);
  if (game.LoadRooms(roomsIn) && game.LoadPeople(peopleIn) && game.LoadObjects(objectsIn) &&
      linkMap) {
    game.BuildMap();
  }
  return output.Text();
}

// The names of a list of objects, from the front.
inline std::vector<std::string> Names(const object* head) {
  std::vector<std::string> names;
  for (; head != nullptr; head = head->GetNext()) {
    names.push_back(head->GetName());
  }
  return names;
}

#endif  // QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
