#ifndef QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
#define QUILLMORE_TESTS_UNIT_TEST_WORLD_H_

#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "world/load_report.h"
#include "world/object.h"
#include "world/world.h"

namespace quillmore {

// A console over strings: the player types `typed`, and what the game writes is kept.
struct string_console {
  explicit string_console(const std::string& typed = "") : in(typed) {}
  // What the game wrote since the last call.
  std::string Written() {
    const std::string text = out.str();
    out.str("");
    return text;
  }

  std::istringstream in;
  std::ostringstream out;
  console io{in, out};
};

// Loads a world from the texts of the three files and, if asked, links the map. Returns the
// lines the game would write about what loading met.
inline std::string LoadWorld(world& game, const std::string& rooms, const std::string& people,
                             const std::string& objects, bool linkMap = false,
                             load_report* report = nullptr) {
  load_report own;
  load_report& met = report != nullptr ? *report : own;
  std::istringstream roomsIn(rooms);
  std::istringstream peopleIn(people);
  std::istringstream objectsIn(objects);
  if (game.LoadRooms(roomsIn, met) && game.LoadPeople(peopleIn, met) &&
      game.LoadObjects(objectsIn, met) && linkMap) {
    game.BuildMap(met);
  }
  std::string lines;
  for (const load_problem& found : met.problems) {
    lines += MessageFor(found) + "\n";
  }
  return lines;
}

// A world on a string console.
struct test_world {
  explicit test_world(const std::string& typed = "") : screen(typed) {}
  string_console screen;
  world game{screen.io};
};

// The names of a list of objects, from the front.
inline std::vector<std::string> Names(const object* head) {
  std::vector<std::string> names;
  for (; head != nullptr; head = head->GetNext()) {
    names.push_back(head->GetName());
  }
  return names;
}

}  // namespace quillmore

#endif  // QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
