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

TEST(Loaders, AnEmptyFileGivesOneEmptyRecord) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kTwoRooms, "", "");
  ASSERT_EQ(game.PeopleCount(), 1);
  EXPECT_EQ(game.PersonAt(0).GetName(), "");
  ASSERT_EQ(game.ObjectCount(), 1);
  // The empty location is contained in every room name, so both land in room slot 0.
  EXPECT_EQ(game.RoomAt(0).GetPeople(), &game.PersonAt(0));
  EXPECT_EQ(game.RoomAt(0).GetObjects(), &game.ObjectAt(0));
}

TEST(Loaders, ALineFeedAfterTheLastLineGivesOneMoreRecordPlacedLikeTheOneBefore) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, std::string(kTwoRooms) + "\n", "Conor\nOak\n", "coin\nround\nOak\n");
  EXPECT_EQ(game.RoomCount(), 3);
  EXPECT_EQ(game.RoomAt(2).GetName(), "");
  ASSERT_EQ(game.PeopleCount(), 2);
  EXPECT_EQ(game.RoomAt(1).GetPeople(), &game.PersonAt(1));
  EXPECT_EQ(game.PersonAt(1).GetNextInRoom(), &game.PersonAt(0));
  ASSERT_EQ(game.ObjectCount(), 2);
  EXPECT_EQ(Names(game.RoomAt(1).GetObjects()), (std::vector<std::string>{"", "coin"}));
}

TEST(Loaders, AnEmptyRecordAfterAHeldObjectGoesToTheFirstPerson) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kTwoRooms, "Tom\nOak\nJack\nOak", "pint\ncold\nNPC\nJack\n");
  EXPECT_EQ(Names(game.PersonAt(1).GetHeldItems()), (std::vector<std::string>{"pint"}));
  EXPECT_EQ(Names(game.PersonAt(0).GetHeldItems()), (std::vector<std::string>{""}));
}

TEST(Loaders, ARecordCutShortIsCountedAndKeepsThePreviousLocation) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kTwoRooms, "Tom\nOak\nJack", "");
  ASSERT_EQ(game.PeopleCount(), 2);
  EXPECT_EQ(game.PersonAt(1).GetName(), "Jack");
  EXPECT_EQ(game.RoomAt(1).GetPeople(), &game.PersonAt(1));
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
  const std::string output = LoadWorld(game, "Fitzgerald Park\r\npark\r\ndetail\r\nPub\r\n\r\nx",
                                       "Conor\r\nPub\r\n", "coins\r\nround\r\nUSER\r\n");
  EXPECT_EQ(output, "");
  EXPECT_EQ(game.RoomAt(0).GetName(), "Fitzgerald Park");
  EXPECT_EQ(game.PersonAt(0).GetName(), "Conor");
  EXPECT_EQ(game.PersonAt(0).GetNextInRoom(), nullptr);
  EXPECT_EQ(game.RoomAt(1).GetPeople()->GetNextInRoom(), &game.PersonAt(0));
  EXPECT_EQ(Names(game.Inventory()), (std::vector<std::string>{"", "coins"}));
  // A carriage return with no line feed after it, at the very end, stays part of its line.
  test_world endsInReturn;
  load_report report;
  LoadWorld(endsInReturn.game, "Fitzgerald Park\nd\nd", "Conor\nPark", "coins\nround\nUSER\r",
            false, &report);
  EXPECT_EQ(endsInReturn.game.Inventory(), nullptr);
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
  EXPECT_EQ(Names(game.Inventory()), (std::vector<std::string>{"c"}));
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
  EXPECT_EQ(game.PersonAt(0).GetQuestStage(), quest_stage::kOpen);
  EXPECT_EQ(game.PersonAt(1).GetQuestStage(), quest_stage::kOpen);
  EXPECT_EQ(game.PersonAt(2).GetQuestStage(), quest_stage::kIdle);
  EXPECT_EQ(game.PersonAt(3).GetQuestStage(), quest_stage::kIdle);
  EXPECT_EQ(game.PersonAt(4).GetQuestStage(), quest_stage::kIdle);
  const person* inPub = game.RoomAt(1).GetPeople();
  std::string names;
  for (; inPub != nullptr; inPub = inPub->GetNextInRoom()) {
    names += inPub->GetName() + ";";
  }
  EXPECT_EQ(names, "Ruaidhri;Conor;Ruaidhri the photo guy;");
}

TEST(Loaders, StopTheGameWhenAFileIsMissingOrThereIsNoStartRoom) {
  test_world play;
  world& game = play.game;
  std::istringstream failed;
  failed.setstate(std::ios::failbit);
  load_report report;
  EXPECT_FALSE(game.LoadPeople(failed, report));
  EXPECT_FALSE(game.LoadObjects(failed, report));
  EXPECT_FALSE(game.LoadRooms(failed, report));
  std::istringstream noPark("Park\nd\nd");
  EXPECT_FALSE(game.LoadRooms(noPark, report));
  EXPECT_EQ(game.CurrentRoom(), nullptr);
  std::string lines;
  for (const load_problem& found : report.problems) {
    lines += MessageFor(found) + "\n";
  }
  EXPECT_EQ(lines,
            "No input file found for people.\nNo input file found for object.\n"
            "No input file found for rooms.\n"
            "No match for given place name. Cannot create pointer.\n");
}

}  // namespace
}  // namespace quillmore
