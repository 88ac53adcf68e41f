// Checks the data files that ship with the game, loaded by the game's own loaders, so that an
// edit that renames a place or a person, moves a story object or adds a stray line end is
// caught before anyone plays.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_world.h"
#include "world/city_map.h"
#include "world/story_names.h"
#include "world/world.h"

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
    game = std::make_unique<world>();
    captured_output output;
    std::ifstream rooms(std::string(QUILLMORE_SHIPPED_DATA) + "/rooms.txt");
    std::ifstream people(std::string(QUILLMORE_SHIPPED_DATA) + "/people.txt");
    std::ifstream objects(std::string(QUILLMORE_SHIPPED_DATA) + "/objects.txt");
    loaded = game->LoadRooms(rooms) && game->LoadPeople(people) && game->LoadObjects(objects);
    game->BuildMap();
    loaderOutput = output.Text();
  }
  static void TearDownTestSuite() { game.reset(); }

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

  static std::unique_ptr<world> game;
  static bool loaded;
  static std::string loaderOutput;
};

std::unique_ptr<world> ShippedData::game;
bool ShippedData::loaded = false;
std::string ShippedData::loaderOutput;

TEST_F(ShippedData, FilesLoadSilentlyAndEndWithoutALineEnd) {
  EXPECT_TRUE(loaded);
  EXPECT_EQ(loaderOutput, "") << "a place or holder named in a file matches nothing";
  for (const char* name : kFiles) {
    const std::string text = FileText(name);
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_NE(text.back(), '\n') << name << " ends with a line feed: one more, empty record";
    EXPECT_EQ(text.find('\r'), std::string::npos) << name << " holds a carriage return";
  }
}

TEST_F(ShippedData, RoomsAreTheThirtyEightPlacesOfTheMapLinkedBothWays) {
  EXPECT_EQ(game->RoomCount(), 38);
  ASSERT_NE(game->CurrentRoom(), nullptr);
  EXPECT_EQ(game->CurrentRoom()->GetName(), kStartRoom);
  for (const connection& link : kCityMap) {
    const std::vector<const room*> first = RoomsNamed(link.first);
    const std::vector<const room*> second = RoomsNamed(link.second);
    ASSERT_EQ(first.size(), 1u) << link.first;
    ASSERT_EQ(second.size(), 1u) << link.second;
    EXPECT_EQ(first[0]->GetExit(link.direction), second[0]) << link.first;
    EXPECT_EQ(second[0]->GetExit(link.wayBack), first[0]) << link.second;
  }
}

TEST_F(ShippedData, EveryPersonIsFoundByHisOrHerFullName) {
  EXPECT_EQ(game->PeopleCount(), 17);
  for (const char* name : kStoryPeople) {
    const int slot = game->FindNPC(name);
    ASSERT_NE(slot, world::kNoPerson) << name;
    EXPECT_EQ(game->PersonAt(slot).GetName(), name);
  }
  EXPECT_LT(game->FindNPC(kTom), game->FindNPC(kTomas));
}

TEST_F(ShippedData, PeopleStandWhereTheStorySendsThePlayer) {
  for (const char* name : kStoryPeople) {
    const std::vector<std::string> rooms = RoomsOf(Person(name));
    if (std::string(name) == kDiarmuid) {
      EXPECT_TRUE(rooms.empty()) << "Diarmuid only enters the city at the end";
    } else {
      EXPECT_EQ(rooms.size(), 1u) << name;
    }
  }
  EXPECT_EQ(RoomsOf(Person(kJohn)), std::vector<std::string>{"The Franciscan Well"});
  EXPECT_EQ(RoomsOf(Person(kSaraJane)), std::vector<std::string>{"University College Cork"});
  EXPECT_EQ(RoomsOf(Person(kRuaidhri)), std::vector<std::string>{"Spectra Photo"});
}

TEST_F(ShippedData, StoryObjectsStartWithTheRightOwner) {
  const std::vector<std::string> storyObjects{
      kPhotoSlip,    kEnglishCoins, kPhotos,       kNapkin,       kPearlEarring, kPintOfGuinness,
      kPubDrinks[0], kPubDrinks[1], kPubDrinks[2], kPubDrinks[3], kPubDrinks[4]};
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
  EXPECT_TRUE(ListHolds(game->Inventory(), ObjectNamed(kPhotoSlip)));
  EXPECT_TRUE(ListHolds(game->Inventory(), ObjectNamed(kEnglishCoins)));
  EXPECT_TRUE(ListHolds(Person(kRuaidhri).GetHeldItems(), ObjectNamed(kPhotos)));
  EXPECT_TRUE(ListHolds(Person(kJohn).GetHeldItems(), ObjectNamed(kNapkin)));
  EXPECT_TRUE(ListHolds(Person(kSiobhan).GetHeldItems(), ObjectNamed(kPintOfGuinness)));
  EXPECT_NE(RoomHolding(ObjectNamed(kPearlEarring)), nullptr);
  std::set<const room*> pubs;
  for (const char* drink : kPubDrinks) {
    const room* pub = RoomHolding(ObjectNamed(drink));
    EXPECT_NE(pub, nullptr) << drink;
    pubs.insert(pub);
  }
  EXPECT_EQ(pubs.size(), 5u) << "each pub offers its own drink";
}

}  // namespace
