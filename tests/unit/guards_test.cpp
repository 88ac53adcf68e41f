// The guards that play on the shipped data never reaches: stage values no script lists, lookups
// that find nobody, codes that are no direction, hand-overs from somebody who is not here.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_world.h"
#include "world/person.h"
#include "world/world.h"

namespace {

const char* const kPark = "Fitzgerald Park\npark\npark detail";

person Named(const std::string& name, int questStage) {
  person someone;
  std::istringstream in(name);
  someone.ReadName(in);
  someone.SetQuestStage(questStage);
  return someone;
}

TEST(Guards, ScriptsSayNothingForAStageTheyDoNotList) {
  struct unlisted {
    const char* name;
    bool (person::*talk)();
    int questStage;
  };
  const unlisted cases[] = {
      {"Ruaidhri the photo guy", &person::TalkRuaidhri, kQuestIdle},
      {"Conor", &person::TalkConor, kQuestIdle},
      {"Sean the musician", &person::TalkSean, kQuestWaiting},
      {"John the bar tender", &person::TalkJohn, 7},
      {"Sara-Jane", &person::TalkSaraJane, kQuestWaiting},
      {"Jack", &person::TalkJack, kQuestWaiting},
      {"Siobhan", &person::TalkSiobhan, kQuestWaiting},
      {"Tom", &person::TalkTom, kQuestWaiting},
  };
  for (const unlisted& entry : cases) {
    person speaker = Named(entry.name, entry.questStage);
    captured_output output;
    EXPECT_FALSE((speaker.*entry.talk)()) << entry.name;
    EXPECT_EQ(output.Text(), "") << entry.name;
  }
}

TEST(Guards, DiarmuidWithoutAnOpenErrandSkipsOnlyHisGreeting) {
  person open = Named("Diarmuid", kQuestOpen);
  person idle = Named("Diarmuid", kQuestIdle);
  std::string openText;
  std::string idleText;
  {
    captured_output output;
    open.TalkDiarmuid();
    openText = output.Text();
  }
  {
    captured_output output;
    idle.TalkDiarmuid();
    idleText = output.Text();
  }
  const std::size_t greetingEnd = openText.find("\n\n") + 2;
  EXPECT_EQ(idleText, openText.substr(greetingEnd));
  EXPECT_EQ(idleText.rfind("What? Amnesia?", 0), 0u);
}

TEST(Guards, AdvanceQuestForSomebodyUnknownOpensNobody) {
  world game;
  LoadWorld(game, kPark, "Conor\nPark\nSean the musician\nPark", "coin\nround\nUSER");
  captured_output output;
  game.AdvanceQuest("Conan");
  EXPECT_EQ(output.Text(), "world - FindNPC: No match for given NPC name.\n");
  EXPECT_EQ(game.PersonAt(1).GetQuestStage(), kQuestIdle);
}

TEST(Guards, NobodyWantsAnObjectThePlayerDoesNotCarry) {
  world game;
  LoadWorld(game, kPark, "Conor\nPark", "english coins\nround\nPark");
  EXPECT_FALSE(game.WantsObject("english coins", game.PersonAt(0)));
}

TEST(Guards, AHandOverFromSomebodyNotHereChangesNothing) {
  world game;
  LoadWorld(game, kPark + std::string("\nThe Old Oak\npub\npub detail"), "Siobhan\nOak",
            "pint of Guinness\nstout\nNPC\nSiobhan");
  captured_output output;
  game.TakeFromPerson("pint of Guinness", "Siobhan");
  EXPECT_EQ(output.Text(), "That person is not in this room.\n");
  EXPECT_EQ(game.Inventory(), nullptr);
  EXPECT_EQ(game.PersonAt(0).GetHeldItems(), &game.ObjectAt(0));
}

TEST(Guards, ACodeThatIsNoDirectionHasNoExit) {
  world game;
  LoadWorld(game, kPark, "", "", true);
  for (const int code : {-1, 4, 1000}) {
    captured_output output;
    EXPECT_EQ(game.Move(code), nullptr);
    EXPECT_EQ(output.Text(), "There is no exit in that direction.\n");
    EXPECT_EQ(game.CurrentRoom(), &game.RoomAt(0));
  }
}

TEST(Guards, AnEmptyLineInsideADataFileIsAnEmptyField) {
  world game;
  LoadWorld(game, "Fitzgerald Park\n\ndetail\n\r\n\n", "", "");
  ASSERT_EQ(game.RoomCount(), 2);
  std::ostringstream first;
  game.RoomAt(0).Describe(first);
  EXPECT_EQ(first.str().rfind("\nFitzgerald Park\n\ndetail\n\n", 0), 0u);
  std::ostringstream second;
  game.RoomAt(1).Describe(second);
  EXPECT_EQ(second.str().rfind("\n\n\n\n\n", 0), 0u);
}

}  // namespace
