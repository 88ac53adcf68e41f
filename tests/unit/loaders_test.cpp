#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_world.h"
#include "world/world.h"

namespace quillmore {
namespace {

const char* const kTwoRooms = "Fitzgerald Park\npark\npark detail\nThe Old Oak\npub\npub detail";

std::string Repeat(const std::string& record, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) {
    text += (i == 0 ? "" : "\n") + record;
  }
  return text;
}

TEST(Loaders, AnEmptyFileGivesNoRecord) {
  test_world play;
  world& game = play.game;
  EXPECT_EQ(LoadWorld(game, kTwoRooms, "", ""), "");
  EXPECT_EQ(game.PeopleCount(), 0);
  EXPECT_EQ(game.ObjectCount(), 0);
  EXPECT_TRUE(game.PeopleIn(0).empty());
  EXPECT_TRUE(game.ObjectsIn(0).empty());
  EXPECT_TRUE(game.Inventory().empty());
  // Without a room there is no start room either.
  test_world noRooms;
  load_report report;
  const std::string empty("");
  EXPECT_FALSE(noRooms.game.LoadRooms(empty, report, BuiltIn().map.start));
  EXPECT_EQ(noRooms.game.RoomCount(), 0);
}

TEST(Loaders, AFinalLineFeedOrCrLfAddsNoRecord) {
  test_world play;
  world& game = play.game;
  EXPECT_EQ(LoadWorld(game, std::string(kTwoRooms) + "\n", "Conor\nOak\r\n", "coin\nround\nOak\n"),
            "");
  EXPECT_EQ(game.RoomCount(), 2);
  ASSERT_EQ(game.PeopleCount(), 1);
  ASSERT_EQ(game.ObjectCount(), 1);
  EXPECT_EQ(PeopleNames(game, game.PeopleIn(1)), (std::vector<std::string>{"Conor"}));
  EXPECT_EQ(Names(game, game.ObjectsIn(1)), (std::vector<std::string>{"coin"}));
  EXPECT_TRUE(game.PeopleIn(0).empty());
  EXPECT_TRUE(game.ObjectsIn(0).empty());
}

TEST(Loaders, AnEmptyLineBeforeTheEndIsStillALine) {
  test_world play;
  world& game = play.game;
  // Conor's location is the empty line, which every room name contains: he stands in the park.
  LoadWorld(game, kTwoRooms, "Conor\n\nJack\nOak\n", "coin\n\nOak\n\n\n\n");
  ASSERT_EQ(game.PeopleCount(), 2);
  EXPECT_EQ(game.RoomOf(0), 0);
  EXPECT_EQ(game.RoomOf(1), 1);
  // Three empty lines and a final line feed: one more record, nameless, with an empty location.
  ASSERT_EQ(game.ObjectCount(), 2);
  EXPECT_EQ(Names(game, game.ObjectsIn(1)), (std::vector<std::string>{"coin"}));
  EXPECT_EQ(Names(game, game.ObjectsIn(0)), (std::vector<std::string>{""}));
}

TEST(Loaders, ARecordCutShortIsCountedAndKeepsThePreviousLocation) {
  // With or without a line feed after its last line, the record reads the same.
  for (const char* end : {"", "\n", "\r\n"}) {
    test_world play;
    world& game = play.game;
    LoadWorld(game, kTwoRooms, std::string("Tom\nOak\nJack") + end, "");
    ASSERT_EQ(game.PeopleCount(), 2) << "ending " << end;
    EXPECT_EQ(game.PersonAt(1).name, "Jack");
    EXPECT_EQ(game.PeopleIn(1).front(), 1);
  }
}

TEST(Loaders, AnObjectCutShortAfterAHeldObjectGoesToTheFirstPerson) {
  for (const char* end : {"", "\n"}) {
    test_world play;
    world& game = play.game;
    // "rag" keeps the location NPC and reads its holder from beyond the end: an empty name, which
    // the first person's name contains.
    LoadWorld(game, kTwoRooms, "Tom\nOak\nJack\nOak",
              std::string("pint\ncold\nNPC\nJack\nrag") + end);
    EXPECT_EQ(game.ObjectCount(), 2);
    EXPECT_EQ(Names(game, game.HeldBy(1)), (std::vector<std::string>{"pint"}));
    EXPECT_EQ(Names(game, game.HeldBy(0)), (std::vector<std::string>{"rag"}));
  }
}

TEST(Loaders, ReadOnlyTheFirstHundredRecords) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, std::string(kTwoRooms) + "\n" + Repeat("x\ny\nz", 99),
            Repeat("someone\nOak", 101), Repeat("thing\nplain\nPark", 150));
  EXPECT_EQ(game.RoomCount(), 100);
  EXPECT_EQ(game.PeopleCount(), 100);
  EXPECT_EQ(game.ObjectCount(), 100);
}

TEST(Loaders, CarriageReturnsBeforeLineFeedsAreDropped) {
  test_world play;
  world& game = play.game;
  const std::string output =
      LoadWorld(game, "Fitzgerald Park\r\npark\r\ndetail\r\nPub\r\n\r\nx",
                "Conor\r\nPub\r\nJack\r\n\r\n", "coins\r\nround\r\nUSER\r\n");
  EXPECT_EQ(output, "");
  EXPECT_EQ(game.RoomAt(0).name, "Fitzgerald Park");
  EXPECT_EQ(game.RoomCount(), 2);
  ASSERT_EQ(game.PeopleCount(), 2);
  EXPECT_EQ(game.PersonAt(0).name, "Conor");
  EXPECT_EQ(game.RoomOf(0), 1);
  // Jack's location is an empty line ended by CR LF: he stands in the park.
  EXPECT_EQ(game.RoomOf(1), 0);
  EXPECT_EQ(Names(game, game.Inventory()), (std::vector<std::string>{"coins"}));
  // A carriage return with no line feed after it, at the very end, stays part of its line.
  test_world endsInReturn;
  load_report report;
  LoadWorld(endsInReturn.game, "Fitzgerald Park\nd\nd", "Conor\nPark", "coins\nround\nUSER\r",
            false, &report);
  EXPECT_TRUE(endsInReturn.game.Inventory().empty());
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0].text, "USER\r");
}

TEST(Loaders, KeywordsCountOnlyAsTheWholeExactLine) {
  test_world play;
  world& game = play.game;
  load_report report;
  const std::string output =
      LoadWorld(game, kTwoRooms, "Tom\nOak", "a\nd\nnpc\nb\nd\nNPC \nc\nd\nUSER\nd\nd\nNPC\nnobody",
                false, &report);
  EXPECT_EQ(output,
            "world - SearchForName: No match for given place name.\n"
            "world - SearchForName: No match for given place name.\n"
            "No match for given NPC name.\n");
  EXPECT_EQ(Names(game, game.Inventory()), (std::vector<std::string>{"c"}));
  EXPECT_EQ(game.ObjectCount(), 4);  // the held object's holder line was read even so
  // Each problem names the line that found nothing, and where each record starts.
  ASSERT_EQ(report.problems.size(), 3u);
  EXPECT_EQ(report.problems[0].line, 3);
  EXPECT_EQ(report.problems[1].line, 6);
  EXPECT_EQ(report.problems[2].line, 13);
  EXPECT_EQ(report.problems[2].text, "nobody");
  EXPECT_EQ(report.RecordStarts(data_file::kObjects), (std::vector<int>{1, 4, 7, 10}));
}

TEST(Loaders, OpenTheFirstErrandsAndLeaveDiarmuidOutOfTheCity) {
  test_world play;
  world& game = play.game;
  const std::string output = LoadWorld(
      game, kTwoRooms,
      "Ruaidhri the photo guy\nOak\nConor\nOak\nDiarmuid\nOak\nRuaidhri\nOak\nSean\nMoon", "");
  EXPECT_EQ(output, "world - PlacePersonInRoom: No match for given place name.\n");
  EXPECT_EQ(game.QuestStage(0), quest_stage::kOpen);
  EXPECT_EQ(game.QuestStage(1), quest_stage::kOpen);
  EXPECT_EQ(game.QuestStage(2), quest_stage::kIdle);
  EXPECT_EQ(game.QuestStage(3), quest_stage::kIdle);
  EXPECT_EQ(game.QuestStage(4), quest_stage::kIdle);
  EXPECT_EQ(PeopleNames(game, game.PeopleIn(1)),
            (std::vector<std::string>{"Ruaidhri", "Conor", "Ruaidhri the photo guy"}));
  EXPECT_EQ(game.RoomOf(2), kNone);
  EXPECT_EQ(game.RoomOf(4), kNone);
  // Without the story's rule nobody is out of sight, and everyone starts idle.
  world plain;
  const std::string rooms(kTwoRooms);
  const std::string people("Ruaidhri the photo guy\nOak\nDiarmuid\nOak");
  load_report report;
  ASSERT_TRUE(plain.LoadRooms(rooms, report, BuiltIn().map.start) &&
              plain.LoadPeople(people, report));
  EXPECT_TRUE(report.problems.empty());
  EXPECT_EQ(plain.QuestStage(0), quest_stage::kIdle);
  EXPECT_EQ(PeopleNames(plain, plain.PeopleIn(1)),
            (std::vector<std::string>{"Diarmuid", "Ruaidhri the photo guy"}));
}

TEST(Loaders, StopTheGameWhenAFileIsMissingOrThereIsNoStartRoom) {
  test_world play;
  world& game = play.game;
  const file_contents failed;  // a file that could not be read
  load_report report;
  EXPECT_FALSE(game.LoadPeople(failed, report));
  EXPECT_FALSE(game.LoadObjects(failed, report));
  EXPECT_FALSE(game.LoadRooms(failed, report, BuiltIn().map.start));
  const std::string noPark("Park\nd\nd");
  EXPECT_FALSE(game.LoadRooms(noPark, report, BuiltIn().map.start));
  EXPECT_EQ(game.CurrentRoom(), kNone);
  std::string lines;
  for (const load_problem& found : report.problems) {
    lines += MessageFor(found);
  }
  EXPECT_EQ(lines,
            "No input file found for people.\nNo input file found for object.\n"
            "No input file found for rooms.\n"
            "No match for given place name. Cannot create pointer.\n");
}

}  // namespace
}  // namespace quillmore
