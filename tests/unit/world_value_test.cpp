// The world is a value: a copy taken in the middle of a game is a game of its own. Playing on
// one copy leaves the other exactly where it was, equal to a world that has played up to the
// same point, and Key() tells the states apart.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/command_loop.h"
#include "game/game.h"
#include "test_world.h"
#include "world/world.h"

namespace quillmore {
namespace {

// The walkthrough to the photos: the coins for Conor, a cider, the photo slip in at Spectra.
const char* const kToThePhotos =
    "s\nw\ns\ngive english coins\nConor\ntalk Conor\nget pint of Bulmers Cider\nn\ntalk Sean\n"
    "e\ne\ne\ne\ne\nn\ne\ne\nn\ngive photo slip\nRuaidhri\ntalk Ruaidhri\n";
// On from there: a Jameson and a Murphy's on the way back, and the photos shown to Sean.
const char* const kToSean =
    "s\nw\nw\ns\nw\ns\nget shot of Jameson\nn\nw\nn\nget pint of Murphy's\ns\nw\nw\nw\n"
    "talk Sean\na\n";

// The shipped data, loaded as the game loads them.
world ShippedWorld() {
  world game;
  load_report report;
  EXPECT_TRUE(LoadWorld(game, FolderTexts(QUILLMORE_SHIPPED_DATA), report));
  EXPECT_TRUE(report.problems.empty());
  return game;
}

// Plays the commands on the world, one step of the command loop at a time, until they run out.
// Returns what the game wrote.
std::string Play(world& game, const std::string& commands) {
  string_console screen(commands);
  command_loop loop(game, screen.io);
  while (loop.StepThrough() == command_loop::report::kGoOn) {
  }
  return screen.Written();
}

TEST(WorldValue, ACopyTakenInTheMiddleOfTheStoryStaysWhereItWas) {
  world game = ShippedWorld();
  Play(game, kToThePhotos);
  const int ruaidhri = game.FindNPC("Ruaidhri");
  const int sean = game.FindNPC("Sean");
  ASSERT_EQ(game.QuestStage(ruaidhri), quest_stage::kDone);
  ASSERT_TRUE(game.IsCarrying("photos"));

  world kept = game;
  world played = game;
  const std::string told = Play(played, kToSean);
  EXPECT_NE(told.find("sure that's my own band up on the stage!"), std::string::npos) << told;
  EXPECT_EQ(played.QuestStage(sean), quest_stage::kDone);
  EXPECT_EQ(played.QuestStage(played.FindNPC("John")), quest_stage::kOpen);

  // The copy not played on is where the game stood, and so is the world it was copied from.
  world replayed = ShippedWorld();
  Play(replayed, kToThePhotos);
  EXPECT_EQ(kept, replayed);
  EXPECT_EQ(kept.Key(), replayed.Key());
  EXPECT_EQ(game, replayed);
  EXPECT_NE(kept, played);
  EXPECT_NE(kept.Key(), played.Key());
  EXPECT_EQ(kept.QuestStage(sean), quest_stage::kOpen);
  EXPECT_EQ(kept.GiftStage(sean), gift_stage::kNone);
  EXPECT_FALSE(kept.IsCarrying("shot of Jameson"));
  EXPECT_EQ(kept.RoomAt(kept.CurrentRoom()).name, "Spectra Photo");

  // The copy played on is the game a fresh world plays with the same commands, word for word.
  EXPECT_EQ(Play(replayed, kToSean), told);
  EXPECT_EQ(played, replayed);
  EXPECT_EQ(played.Key(), replayed.Key());
  // And the kept copy goes on the same way, whenever it is played.
  EXPECT_EQ(Play(kept, kToSean), told);
  EXPECT_EQ(kept, played);
}

TEST(WorldValue, ACopySharesNoPlayState) {
  const world start = ShippedWorld();
  world copy = start;
  EXPECT_EQ(copy, start);
  EXPECT_EQ(copy.Key(), start.Key());
  // A move changes the copy's key, and only the copy.
  ASSERT_EQ(copy.Move(direction::kSouth).what, happened::kMoved);
  EXPECT_NE(copy.Key(), start.Key());
  EXPECT_NE(copy, start);
  EXPECT_EQ(start.RoomAt(start.CurrentRoom()).name, "Fitzgerald Park");
  // Every part of the state of play is the copy's own, and tells it apart by its key: what is
  // carried, what lies and what is held, who stands where, and both stages.
  const int conor = start.FindNPC("Conor");
  const int diarmuid = start.FindNPC("Diarmuid");
  world dropped = start;
  ASSERT_EQ(dropped.DropObject("photo slip").what, happened::kDropped);
  world handed = start;
  handed.HandTo(handed.FindInInventory("english coins"), conor);
  world placed = start;
  ASSERT_TRUE(placed.PlacePersonInRoom("Washington Inn", diarmuid));
  world quest = start;
  quest.SetQuestStage(conor, quest_stage::kDone);
  world gift = start;
  gift.SetGiftStage(conor, gift_stage::kReceived);
  for (const world* changed : {&dropped, &handed, &placed, &quest, &gift}) {
    EXPECT_NE(*changed, start);
    EXPECT_NE(changed->Key(), start.Key());
  }
  EXPECT_TRUE(start.IsCarrying("photo slip"));
  EXPECT_TRUE(start.IsCarrying("english coins"));
  EXPECT_TRUE(start.ObjectsIn(start.CurrentRoom()).empty());
  EXPECT_TRUE(start.HeldBy(conor).empty());
  EXPECT_EQ(start.RoomOf(diarmuid), kNone);
  EXPECT_EQ(start.QuestStage(conor), quest_stage::kOpen);
  EXPECT_EQ(start.GiftStage(conor), gift_stage::kNone);
  // Back where it was, the copy is equal again.
  copy.Move(direction::kNorth);
  EXPECT_EQ(copy, start);
  EXPECT_EQ(copy.Key(), start.Key());
}

// Pairs of states that differ in one list of the state of play, or one place in it.
TEST(WorldValue, KeysTellApartStatesThatDifferInOneListAlone) {
  world loaded;
  LoadWorld(loaded, "Fitzgerald Park\npark\ndetail\nWestern Road east\nroad\ndetail",
            "Conor\nPark\nSean the musician\nPark\nDiarmuid\nPark",
            "a\nd\nUSER\nb\nd\nUSER\nc\nd\nUSER", true);
  const auto expectApart = [](const world& one, const world& other, const char* what) {
    EXPECT_NE(one, other) << what;
    EXPECT_NE(one.Key(), other.Key()) << what;
  };
  // The order of the inventory, its front the same.
  world reordered = loaded;
  reordered.GetObject("a");
  reordered.GetObject("c");
  ASSERT_EQ(Names(reordered, reordered.Inventory()), (std::vector<std::string>{"c", "a", "b"}));
  expectApart(loaded, reordered, "the order of a list");
  // Where a dropped object lies, the player in the same room.
  world droppedInPark = loaded;
  droppedInPark.DropObject("a");
  ASSERT_EQ(droppedInPark.Move(direction::kSouth).what, happened::kMoved);
  world droppedOnRoad = loaded;
  droppedOnRoad.Move(direction::kSouth);
  droppedOnRoad.DropObject("a");
  expectApart(droppedInPark, droppedOnRoad, "the room an object lies in");
  // Who holds an object.
  world conorHolds = loaded;
  conorHolds.HandTo(conorHolds.FindInInventory("a"), conorHolds.FindNPC("Conor"));
  world seanHolds = loaded;
  seanHolds.HandTo(seanHolds.FindInInventory("a"), seanHolds.FindNPC("Sean"));
  expectApart(conorHolds, seanHolds, "who holds an object");
  // Where a person stands.
  const int diarmuid = loaded.FindNPC("Diarmuid");
  ASSERT_EQ(loaded.RoomOf(diarmuid), kNone);
  world inPark = loaded;
  ASSERT_TRUE(inPark.PlacePersonInRoom("Park", diarmuid));
  world onRoad = loaded;
  ASSERT_TRUE(onRoad.PlacePersonInRoom("Road", diarmuid));
  expectApart(inPark, onRoad, "the room a person stands in");
  // The order people stand in, the first the same: everyone enters when the story says.
  world later;
  const std::string rooms("Fitzgerald Park\npark\ndetail");
  const std::string people("a\nPark\nb\nPark\nc\nPark");
  load_report report;
  ASSERT_TRUE(later.LoadRooms(rooms, report, BuiltIn().map.start) &&
              later.LoadPeople(people, report,
                               [](std::string_view) { return entrance{.placedLater = true}; }));
  world abc = later;
  world bac = later;
  for (const char* name : {"a", "b", "c"}) {
    abc.PlacePersonInRoom("Park", abc.FindNPC(name));
  }
  for (const char* name : {"b", "a", "c"}) {
    bac.PlacePersonInRoom("Park", bac.FindNPC(name));
  }
  ASSERT_EQ(PeopleNames(abc, abc.PeopleIn(0)), (std::vector<std::string>{"c", "b", "a"}));
  ASSERT_EQ(PeopleNames(bac, bac.PeopleIn(0)), (std::vector<std::string>{"c", "a", "b"}));
  expectApart(abc, bac, "the order people stand in");
}

TEST(WorldValue, RecordsLoadedIntoACopyAreItsOwn) {
  world rooms;
  LoadWorld(rooms, "Fitzgerald Park\npark\ndetail", "", "");
  world more = rooms;
  const std::string objects("coin\nround\nPark");
  load_report report;
  ASSERT_TRUE(more.LoadObjects(objects, report));
  EXPECT_EQ(more.ObjectCount(), 1);
  EXPECT_EQ(rooms.ObjectCount(), 0);
  EXPECT_TRUE(rooms.ObjectsIn(0).empty());
  EXPECT_NE(more, rooms);
  // Worlds loaded apart from the same texts are equal.
  world same;
  LoadWorld(same, "Fitzgerald Park\npark\ndetail", "", "coin\nround\nPark");
  EXPECT_EQ(same, more);
  world other;
  LoadWorld(other, "Fitzgerald Park\npark\nanother detail", "", "coin\nround\nPark");
  EXPECT_NE(other, more);
}

TEST(WorldValue, WorldsOfDifferentDataDifferInEqualStates) {
  // The same places, people and objects, with one text or one exit changed: the states of play
  // and their keys are alike, but the worlds are not.
  const std::string rooms = "Fitzgerald Park\npark\ndetail\nWestern Road east\nroad\ndetail";
  world plain;
  LoadWorld(plain, rooms, "Conor\nPark", "coins\nround\nUSER", true);
  world described;
  LoadWorld(described, rooms, "Conor\nPark", "coins\nsilver\nUSER", true);
  world unlinked;
  LoadWorld(unlinked, rooms, "Conor\nPark", "coins\nround\nUSER", false);
  world again;
  LoadWorld(again, rooms, "Conor\nPark", "coins\nround\nUSER", true);
  EXPECT_EQ(plain.Key(), described.Key());
  EXPECT_NE(plain, described);
  EXPECT_NE(plain, unlinked);
  EXPECT_EQ(plain, again);
}

}  // namespace
}  // namespace quillmore
