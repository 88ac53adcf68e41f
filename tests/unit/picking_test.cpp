// What the data checker's search relies on about names: among the items of a list, a typed text
// picks the first whose name contains it, so an item can be picked by some text exactly when no
// item before it has a name that contains its whole name, and then its whole name picks it. If
// the game's lookups ever pick otherwise, the checker's search no longer covers every play.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "test_world.h"
#include "world/world.h"

namespace quillmore {
namespace {

// The objects carried, front first, as the game lists them: loaded in reverse.
world Carrying(const std::vector<std::string>& names) {
  std::string objects;
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    objects += (objects.empty() ? "" : "\n") + *name + "\nd\nUSER";
  }
  world game;
  LoadWorld(game, "Fitzgerald Park\nd\nd", "", objects);
  return game;
}

TEST(Picking, AnItemCanBePickedExactlyWhenNoItemBeforeItContainsItsName) {
  std::mt19937 random(7);  // fixed, so that a failure repeats
  const std::string letters = "ab ";
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> names(1 + random() % 4);
    for (std::string& name : names) {
      name.resize(1 + random() % 4);
      for (char& letter : name) {
        letter = letters[random() % letters.size()];
      }
    }
    const world game = Carrying(names);
    // Every text the player could type that some name contains.
    std::set<std::string> texts;
    for (const std::string& name : names) {
      for (std::size_t from = 0; from < name.size(); ++from) {
        for (std::size_t length = 1; from + length <= name.size(); ++length) {
          texts.insert(name.substr(from, length));
        }
      }
    }
    std::set<int> picked;
    for (const std::string& text : texts) {
      picked.insert(game.FindInInventory(text));
    }
    std::vector<int> items;
    for (const int item : game.Inventory()) {
      items.push_back(item);
    }
    for (std::size_t at = 0; at < items.size(); ++at) {
      const std::string& name = game.ObjectAt(items[at]).name;
      bool hidden = false;
      for (std::size_t before = 0; before < at; ++before) {
        hidden = hidden || game.ObjectAt(items[before]).HasName(name);
      }
      EXPECT_EQ(picked.count(items[at]) == 1, !hidden) << "\"" << name << "\" in round " << round;
      if (!hidden) {
        EXPECT_EQ(game.FindInInventory(name), items[at]) << name;
      }
    }
  }
}

}  // namespace
}  // namespace quillmore
