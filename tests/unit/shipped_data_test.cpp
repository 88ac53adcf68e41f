// Checks the data files that ship with the game, loaded by the game's own loaders, so that an
// edit that renames a place or a person, moves a story object or adds a carriage return is
// caught before anyone plays.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "story/pub_drinks.h"
#include "story/story.h"
#include "test_world.h"
#include "world/city_map.h"
#include "world/world.h"

namespace quillmore {
namespace {

const char* const kFiles[] = {"rooms.txt", "people.txt", "objects.txt"};

std::string FileText(const std::string& name) {
  std::ifstream in(std::string(QUILLMORE_SHIPPED_DATA) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool ListHolds(const object* head, const object* item) {
  for (; head != nullptr; head = head->GetNext()) {
    if (head == item) {
      return true;
    }
  }
  return false;
}

class ShippedData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    screen = std::make_unique<string_console>();
    game = std::make_unique<world>(screen->io);
    load_report report;
    std::ifstream rooms(std::string(QUILLMORE_SHIPPED_DATA) + "/rooms.txt");
    std::ifstream people(std::string(QUILLMORE_SHIPPED_DATA) + "/people.txt");
    std::ifstream objects(std::string(QUILLMORE_SHIPPED_DATA) + "/objects.txt");
    loaded = game->LoadRooms(rooms, report) && game->LoadPeople(people, report) &&
             game->LoadObjects(objects, report);
    game->BuildMap(report);
    problemCount = report.problems.size();
  }
  static void TearDownTestSuite() {
    game.reset();
    screen.reset();
  }

  // The rooms whose names contain the text.
  static std::vector<const room*> RoomsNamed(const std::string& text) {
    std::vector<const room*> found;
    for (int i = 0; i < game->RoomCount(); ++i) {
      if (game->RoomAt(i).GetName().find(text) != std::string::npos) {
        found.push_back(&game->RoomAt(i));
      }
    }
    return found;
  }

  // The names of the rooms where the person stands.
  static std::vector<std::string> RoomsOf(const person& someone) {
    std::vector<std::string> names;
    for (int i = 0; i < game->RoomCount(); ++i) {
      if (game->RoomAt(i).HasPerson(someone)) {
        names.push_back(game->RoomAt(i).GetName());
      }
    }
    return names;
  }

  // The object whose whole name is the text, or none.
  static const object* ObjectNamed(const std::string& name) {
    for (int i = 0; i < game->ObjectCount(); ++i) {
      if (game->ObjectAt(i).GetName() == name) {
        return &game->ObjectAt(i);
      }
    }
    return nullptr;
  }

  // The room in whose objects list the item lies, or none.
  static const room* RoomHolding(const object* item) {
    for (int i = 0; i < game->RoomCount(); ++i) {
      if (ListHolds(game->RoomAt(i).GetObjects(), item)) {
        return &game->RoomAt(i);
      }
    }
    return nullptr;
  }

  // The person FindNPC gives for the name; a nameless stand-in when it finds nobody.
  static const person& Person(const char* name) {
    static const person nobody;
    const int slot = game->FindNPC(name);
    if (slot == world::kNoPerson) {
      ADD_FAILURE() << "nobody is called " << name;
      return nobody;
    }
    return game->PersonAt(slot);
  }

  static std::unique_ptr<string_console> screen;
  static std::unique_ptr<world> game;
  static bool loaded;
  static std::size_t problemCount;
};

std::unique_ptr<string_console> ShippedData::screen;
std::unique_ptr<world> ShippedData::game;
bool ShippedData::loaded = false;
std::size_t ShippedData::problemCount = 0;

TEST_F(ShippedData, FilesLoadSilentlyWithoutCarriageReturns) {
  EXPECT_TRUE(loaded);
  EXPECT_EQ(problemCount, 0u) << "a place or holder named in a file matches nothing";
  for (const char* name : kFiles) {
    const std::string text = FileText(name);
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_EQ(text.find('\r'), std::string::npos) << name << " holds a carriage return";
  }
}

TEST_F(ShippedData, RoomsAreTheThirtyEightPlacesOfTheMapLinkedBothWays) {
  EXPECT_EQ(game->RoomCount(), 38);
  ASSERT_NE(game->CurrentRoom(), nullptr);
  EXPECT_EQ(game->CurrentRoom()->GetName(), "Fitzgerald Park");
  for (const connection& link : kCityMap) {
    const std::vector<const room*> first = RoomsNamed(link.first);
    const std::vector<const room*> second = RoomsNamed(link.second);
    ASSERT_EQ(first.size(), 1u) << link.first;
    ASSERT_EQ(second.size(), 1u) << link.second;
    EXPECT_EQ(first[0]->GetExit(link.way), second[0]) << link.first;
    EXPECT_EQ(second[0]->GetExit(link.wayBack), first[0]) << link.second;
  }
}

TEST_F(ShippedData, EveryPersonIsFoundByHisOrHerFullName) {
  EXPECT_EQ(game->PeopleCount(), 17);
  for (const role& part : Cast()) {
    const int slot = game->FindPerson(part.name);
    ASSERT_NE(slot, world::kNoPerson) << part.name;
    EXPECT_EQ(game->PersonAt(slot).GetName(), part.name);
  }
  EXPECT_LT(game->FindPerson("Tom"), game->FindPerson("Tomas"));
}

TEST_F(ShippedData, PeopleStandWhereTheStorySendsThePlayer) {
  for (const role& part : Cast()) {
    const std::vector<std::string> rooms = RoomsOf(Person(part.name));
    if (part.outOfSight) {
      EXPECT_TRUE(rooms.empty()) << part.name << " only enters the city at the end";
    } else {
      EXPECT_EQ(rooms.size(), 1u) << part.name;
    }
    if (part.standsIn != nullptr && !part.outOfSight) {
      EXPECT_EQ(rooms, std::vector<std::string>{part.standsIn}) << part.name;
    }
  }
  EXPECT_EQ(RoomsOf(Person("John the bar tender")),
            std::vector<std::string>{"The Franciscan Well"});
  EXPECT_EQ(RoomsOf(Person("Sara-Jane")), std::vector<std::string>{"University College Cork"});
  EXPECT_EQ(RoomsOf(Person("Ruaidhri the photo guy")), std::vector<std::string>{"Spectra Photo"});
}

TEST_F(ShippedData, StoryObjectsStartWithTheRightOwner) {
  std::vector<std::string> storyObjects(std::begin(kPubDrinks), std::end(kPubDrinks));
  for (const role& part : Cast()) {
    for (const char* item : {part.wants, part.handsOver}) {
      if (item != nullptr) {
        storyObjects.emplace_back(item);
      }
    }
    // What people hand over, they hold from the start; what the first errands ask for is in
    // the player's pocket.
    if (part.handsOver != nullptr) {
      EXPECT_TRUE(ListHolds(Person(part.name).GetHeldItems(), ObjectNamed(part.handsOver)))
          << part.handsOver;
    }
    if (part.startStage == quest_stage::kOpen && part.wants != nullptr) {
      EXPECT_TRUE(ListHolds(game->Inventory(), ObjectNamed(part.wants))) << part.wants;
    }
  }
  for (const std::string& name : storyObjects) {
    ASSERT_NE(ObjectNamed(name), nullptr) << name;
    // Giving resolves a typed name to the first object of the table that contains it.
    for (int i = 0; i < game->ObjectCount(); ++i) {
      if (game->ObjectAt(i).HasName(name)) {
        EXPECT_EQ(&game->ObjectAt(i), ObjectNamed(name)) << name << " is shadowed";
        break;
      }
    }
  }
  EXPECT_NE(RoomHolding(ObjectNamed("pearl earring")), nullptr);
  std::set<const room*> pubs;
  for (const char* drink : kPubDrinks) {
    const room* pub = RoomHolding(ObjectNamed(drink));
    EXPECT_NE(pub, nullptr) << drink;
    pubs.insert(pub);
  }
  EXPECT_EQ(pubs.size(), 5u) << "each pub offers its own drink";
}

}  // namespace
}  // namespace quillmore
