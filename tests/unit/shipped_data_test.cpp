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

#include "game/game.h"
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

bool ListHolds(slot_list members, int wanted) {
  for (const int member : members) {
    if (member == wanted) {
      return true;
    }
  }
  return false;
}

class ShippedData : public ::testing::Test {
 protected:
  // Loaded as the game loads them, story and map included.
  static void SetUpTestSuite() {
    game = std::make_unique<world>();
    load_report report;
    loaded = LoadWorld(*game, FolderTexts(QUILLMORE_SHIPPED_DATA), report);
    problemCount = report.problems.size();
  }
  static void TearDownTestSuite() { game.reset(); }

  // The rooms whose names contain the text.
  static std::vector<int> RoomsNamed(const std::string& text) {
    std::vector<int> found;
    for (int at = 0; at < game->RoomCount(); ++at) {
      if (game->RoomAt(at).name.find(text) != std::string::npos) {
        found.push_back(at);
      }
    }
    return found;
  }

  // The names of the rooms where the person stands.
  static std::vector<std::string> RoomsOf(int someone) {
    std::vector<std::string> names;
    for (int at = 0; at < game->RoomCount(); ++at) {
      if (ListHolds(game->PeopleIn(at), someone)) {
        names.push_back(game->RoomAt(at).name);
      }
    }
    return names;
  }

  // The object whose whole name is the text, or none.
  static int ObjectNamed(const std::string& name) {
    for (int at = 0; at < game->ObjectCount(); ++at) {
      if (game->ObjectAt(at).name == name) {
        return at;
      }
    }
    return kNone;
  }

  // The room in whose objects list the item lies, or none.
  static int RoomHolding(int item) {
    for (int at = 0; at < game->RoomCount(); ++at) {
      if (ListHolds(game->ObjectsIn(at), item)) {
        return at;
      }
    }
    return kNone;
  }

  // The person FindNPC gives for the name, as the story finds him or her.
  static int Person(const char* name) {
    const int found = game->FindNPC(name);
    if (found == kNone) {
      ADD_FAILURE() << "nobody is called " << name;
    }
    return found;
  }

  static std::unique_ptr<world> game;
  static bool loaded;
  static std::size_t problemCount;
};

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
  ASSERT_NE(game->CurrentRoom(), kNone);
  EXPECT_EQ(game->RoomAt(game->CurrentRoom()).name, "Fitzgerald Park");
  for (const connection& link : BuiltIn().map.links) {
    const std::vector<int> first = RoomsNamed(link.first);
    const std::vector<int> second = RoomsNamed(link.second);
    ASSERT_EQ(first.size(), 1u) << link.first;
    ASSERT_EQ(second.size(), 1u) << link.second;
    EXPECT_EQ(game->RoomAt(first[0]).GetExit(link.way), second[0]) << link.first;
    EXPECT_EQ(game->RoomAt(second[0]).GetExit(link.wayBack), first[0]) << link.second;
  }
}

TEST_F(ShippedData, EveryPersonIsFoundByHisOrHerFullName) {
  EXPECT_EQ(game->PeopleCount(), 17);
  for (const role& part : BuiltIn().cast) {
    const int found = game->FindNPC(part.name);
    ASSERT_NE(found, kNone) << part.name;
    EXPECT_EQ(game->PersonAt(found).name, part.name);
  }
  EXPECT_LT(game->FindNPC("Tom"), game->FindNPC("Tomas"));
}

TEST_F(ShippedData, PeopleStandWhereTheStorySendsThePlayer) {
  for (const role& part : BuiltIn().cast) {
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
  std::vector<std::string> storyObjects;
  for (const drink& counted : BuiltIn().drinks) {
    storyObjects.push_back(counted.name);
  }
  for (const role& part : BuiltIn().cast) {
    for (const char* item : {part.wants, part.handsOver}) {
      if (item != nullptr) {
        storyObjects.emplace_back(item);
      }
    }
    // What people hand over, they hold from the start; what the first errands ask for is in
    // the player's pocket.
    if (const int holder = Person(part.name); part.handsOver != nullptr && holder != kNone) {
      EXPECT_TRUE(ListHolds(game->HeldBy(holder), ObjectNamed(part.handsOver))) << part.handsOver;
    }
    if (part.startStage == quest_stage::kOpen && part.wants != nullptr) {
      EXPECT_TRUE(ListHolds(game->Inventory(), ObjectNamed(part.wants))) << part.wants;
    }
  }
  for (const std::string& name : storyObjects) {
    ASSERT_NE(ObjectNamed(name), kNone) << name;
    // A typed name finds the first object of a list that contains it, and lists change order
    // in play: no other object's name may contain a story object's.
    for (int at = 0; at < game->ObjectCount(); ++at) {
      if (game->ObjectAt(at).HasName(name)) {
        EXPECT_EQ(at, ObjectNamed(name)) << name << " is shadowed by " << game->ObjectAt(at).name;
      }
    }
  }
  EXPECT_NE(RoomHolding(ObjectNamed("pearl earring")), kNone);
  std::set<int> pubs;
  for (const drink& counted : BuiltIn().drinks) {
    const int pub = RoomHolding(ObjectNamed(counted.name));
    EXPECT_NE(pub, kNone) << counted.name;
    EXPECT_EQ(pub, game->RoomByName(counted.from)) << counted.name;
    pubs.insert(pub);
  }
  EXPECT_EQ(pubs.size(), 5u) << "each pub offers its own drink";
}

}  // namespace
}  // namespace quillmore
