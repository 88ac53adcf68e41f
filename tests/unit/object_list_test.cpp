// The world's lists of objects: what lies in a room, what a person holds and what the player
// carries. Each grows at the front, so it runs newest first, and an action takes the first object
// of a list whose name contains the typed text, wherever in the list it is.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/narration.h"
#include "test_world.h"
#include "world/world.h"

namespace quillmore {
namespace {

using names = std::vector<std::string>;

const char* const kPark = "Fitzgerald Park\npark\ndetail";

// An objects file in which the player carries the three objects, loaded in this order.
std::string Carried(const char* first, const char* second, const char* third) {
  return std::string(first) + "\nd\nUSER\n" + second + "\nd\nUSER\n" + third + "\nd\nUSER";
}

TEST(ObjectList, GrowsAtTheFrontSoItRunsNewestFirst) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "Conor\nPark",
            Carried("P", "Q", "R") + "\nS\nd\nNPC\nConor\nT\nd\nNPC\nConor");
  const int park = game.CurrentRoom();
  EXPECT_EQ(Names(game, game.Inventory()), (names{"R", "Q", "P"}));
  EXPECT_EQ(Names(game, game.HeldBy(0)), (names{"T", "S"}));
  ShowInventory(play.screen.io, game);
  EXPECT_EQ(play.screen.Written(), "You are holding: R, Q, P\n");
  // Dropped, each goes to the front of the room's list; picked up, to the front of the inventory.
  for (const char* name : {"P", "Q", "R"}) {
    EXPECT_EQ(game.DropObject(name).what, happened::kDropped) << name;
  }
  EXPECT_TRUE(game.Inventory().empty());
  EXPECT_EQ(Names(game, game.ObjectsIn(park)), (names{"R", "Q", "P"}));
  EXPECT_EQ(play.Told(game.LookAt("none")),
            "\nFitzgerald Park\npark\ndetail\n\nYou see here: R, Q, P\n"
            "Interesting people are: Conor\n");
  for (const char* name : {"Q", "P", "R"}) {
    EXPECT_EQ(game.GetObject(name).what, happened::kPickedUp) << name;
  }
  EXPECT_TRUE(game.ObjectsIn(park).empty());
  EXPECT_EQ(Names(game, game.Inventory()), (names{"R", "P", "Q"}));
  // Handed to a person, the newest is held first too.
  game.HandTo(game.FindInInventory("P"), 0);
  EXPECT_EQ(Names(game, game.HeldBy(0)), (names{"P", "T", "S"}));
  EXPECT_EQ(Names(game, game.Inventory()), (names{"R", "Q"}));
}

TEST(ObjectList, UnlinksTheFirstMatchFromAnyPlace) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "", Carried("pint of Beamish", "photos", "pint of Murphy's"));
  const int park = game.CurrentRoom();
  // From the middle, the front and the end of the inventory.
  const happening photos = game.DropObject("photo");
  EXPECT_EQ(photos.what, happened::kDropped);
  EXPECT_EQ(photos.subject, 1);
  EXPECT_EQ(play.Told(photos, {.object = "photo"}), "You dropped the photo.\n");
  EXPECT_EQ(Names(game, game.Inventory()), (names{"pint of Murphy's", "pint of Beamish"}));
  EXPECT_EQ(game.DropObject("pint").subject, 2);
  EXPECT_EQ(Names(game, game.Inventory()), (names{"pint of Beamish"}));
  const happening missing = game.DropObject("nothing like it");
  EXPECT_EQ(missing.what, happened::kNotCarried);
  EXPECT_EQ(missing.subject, kNone);
  EXPECT_EQ(game.DropObject("pint").subject, 0);
  EXPECT_TRUE(game.Inventory().empty());
  // And from the middle, the end and the front of the room's list.
  EXPECT_EQ(Names(game, game.ObjectsIn(park)),
            (names{"pint of Beamish", "pint of Murphy's", "photos"}));
  EXPECT_EQ(game.GetObject("Murphy").subject, 2);
  EXPECT_EQ(Names(game, game.ObjectsIn(park)), (names{"pint of Beamish", "photos"}));
  EXPECT_EQ(game.GetObject("photo").subject, 1);
  EXPECT_EQ(Names(game, game.ObjectsIn(park)), (names{"pint of Beamish"}));
  EXPECT_EQ(game.GetObject("nothing like it").what, happened::kItemNotFound);
  EXPECT_EQ(game.GetObject("pint").subject, 0);
  EXPECT_TRUE(game.ObjectsIn(park).empty());
  EXPECT_EQ(Names(game, game.Inventory()),
            (names{"pint of Beamish", "photos", "pint of Murphy's"}));
}

TEST(ObjectList, GetTakesWhatLiesHereBeforeWhatIsCarried) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "",
            "pint of Beamish\nd\nUSER\nphoto slip\nd\nUSER\npint of Murphy's\nd\nPark");
  EXPECT_EQ(game.GetObject("pint").subject, 2);
  EXPECT_EQ(Names(game, game.Inventory()),
            (names{"pint of Murphy's", "photo slip", "pint of Beamish"}));
  // Nothing of the name lies here: a carried object is picked up again, to the front.
  EXPECT_EQ(game.GetObject("Beamish").what, happened::kPickedUp);
  EXPECT_EQ(Names(game, game.Inventory()),
            (names{"pint of Beamish", "pint of Murphy's", "photo slip"}));
}

TEST(ObjectList, MatchesByCaseSensitiveContainment) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "", Carried("photo slip", "english coins", "Park bench"));
  EXPECT_EQ(game.FindInInventory(""), game.Inventory().front());
  EXPECT_EQ(game.FindInInventory("Park"), 2);
  EXPECT_EQ(game.FindInInventory("park"), kNone);
  EXPECT_FALSE(game.IsCarrying("park"));
  EXPECT_EQ(game.FindInInventory("slip"), 0);
  EXPECT_EQ(game.FindObjectHere("slip"), kNone);
  // Finding leaves the list as it was.
  EXPECT_EQ(Names(game, game.Inventory()), (names{"Park bench", "english coins", "photo slip"}));
}

// The lists are the state of play: the same lists, however they came about, are the same world.
TEST(ObjectList, EqualListsMakeEqualWorldsHoweverTheyCameAbout) {
  world loaded;
  LoadWorld(loaded, kPark, "Conor\nPark", Carried("a", "b", "c"));
  world once = loaded;
  once.DropObject("b");
  once.GetObject("b");
  world roundabout = loaded;
  for (const char* name : {"c", "b", "a"}) {
    roundabout.DropObject(name);
  }
  for (const char* name : {"a", "c", "b"}) {
    roundabout.GetObject(name);
  }
  world handedOn = loaded;
  handedOn.HandTo(handedOn.FindInInventory("b"), 0);
  EXPECT_EQ(handedOn.TakeFromPerson("b", "Conor").what, happened::kReceived);
  EXPECT_EQ(Names(once, once.Inventory()), (names{"b", "c", "a"}));
  EXPECT_EQ(once, roundabout);
  EXPECT_EQ(once.Key(), roundabout.Key());
  EXPECT_EQ(once, handedOn);
  EXPECT_EQ(once.Key(), handedOn.Key());
  EXPECT_NE(once, loaded);
  EXPECT_NE(once.Key(), loaded.Key());
  // Put back in the order it was loaded in, the world is as loaded.
  for (const char* name : {"a", "b", "c"}) {
    roundabout.GetObject(name);
  }
  EXPECT_EQ(roundabout, loaded);
  EXPECT_EQ(roundabout.Key(), loaded.Key());
}

}  // namespace
}  // namespace quillmore
