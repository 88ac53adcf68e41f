#ifndef QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
#define QUILLMORE_TESTS_UNIT_TEST_WORLD_H_

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "game/messages.h"
#include "game/narration.h"
#include "story/story.h"
#include "world/happening.h"
#include "world/load_report.h"
#include "world/slot_list.h"
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

// The five data files of a folder, as the tools read them.
inline data_texts FolderTexts(const std::string& folder) {
  read_only_file_system disk;
  return ReadDataFiles(disk, folder);
}

// The texts of the three files every folder has, in their order, and no map or story of
// their own: the built-in story is played.
inline data_texts ThreeFiles(const std::string& rooms, const std::string& people,
                             const std::string& objects) {
  const file_fault missing = file_fault::kMissing;
  return {{{{{}, rooms}, {{}, people}, {{}, objects}, {missing, ""}, {missing, ""}}}};
}

// The built-in story, read once: what a folder of the three files alone plays.
inline std::shared_ptr<const story> BuiltInStory() {
  static const std::shared_ptr<const story> told = [] {
    load_report report;
    return std::shared_ptr<const story>(ReadStoryFiles(ThreeFiles("", "", ""), report));
  }();
  return told;
}
inline const story& BuiltIn() {
  return *BuiltInStory();
}

// Loads a world from the texts of the three files as the game does, with the built-in story's
// start and entrances, and, if asked, links its map. Returns the lines the game would write
// about what loading met.
inline std::string LoadWorld(world& game, const std::string& rooms, const std::string& people,
                             const std::string& objects, bool linkMap = false,
                             load_report* report = nullptr) {
  load_report own;
  load_report& met = report != nullptr ? *report : own;
  const auto entranceOf = [](std::string_view name) { return EntranceOf(BuiltIn(), name); };
  game.Tell(BuiltInStory());
  if (game.LoadRooms(rooms, met, BuiltIn().map.start) && game.LoadPeople(people, met, entranceOf) &&
      game.LoadObjects(objects, met) && linkMap) {
    game.BuildMap(BuiltIn().map, met);
  }
  std::string lines;
  for (const load_problem& found : met.problems) {
    lines += MessageFor(found);
  }
  return lines;
}

// A world, and a console over strings to say what happens in it.
struct test_world {
  explicit test_world(const std::string& typed = "") : screen(typed) {}
  // What the game would write for what happened.
  template <typename what>
  std::string Told(const what& happened, const quoted& typed = {}) {
    Narrate(screen.io, game, happened, typed);
    return screen.Written();
  }

  string_console screen;
  world game;
};

// The names of a list of objects, from the front.
inline std::vector<std::string> Names(const world& game, slot_list items) {
  std::vector<std::string> names;
  for (const int item : items) {
    names.push_back(game.ObjectAt(item).name);
  }
  return names;
}

// The names of a list of people, from the front.
inline std::vector<std::string> PeopleNames(const world& game, slot_list members) {
  std::vector<std::string> names;
  for (const int member : members) {
    names.push_back(game.PersonAt(member).name);
  }
  return names;
}

}  // namespace quillmore

#endif  // QUILLMORE_TESTS_UNIT_TEST_WORLD_H_
