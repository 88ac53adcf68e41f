// The guards that play on the shipped data never reaches: stage values no conversation lists,
// lookups that find nobody, hand-overs from somebody who is not here, places the data lack.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/talk.h"
#include "story/rules.h"
#include "story/story.h"
#include "test_world.h"
#include "world/world.h"

namespace quillmore {
namespace {

const char* const kPark = "Fitzgerald Park\npark\npark detail";

// The park, where `speaker` stands alone, and everyone else of the story next door, in the
// story's order. They are loaded without the story's entrances, so nobody is out of sight and
// every errand is idle; then the speaker's stages are set.
struct talk_world {
  talk_world(const std::string& name, quest_stage quest, gift_stage gift = gift_stage::kNone) {
    std::string people;
    for (const role& part : BuiltIn().cast) {
      if (part.name == name) {
        speaker = static_cast<int>(&part - BuiltIn().cast.data());
      }
      people += std::string(part.name) + (part.name == name ? "\nPark\n" : "\nNext door\n");
    }
    const std::string roomsIn(std::string(kPark) + "\nNext door\nroom\nroom detail");
    const std::string peopleIn(people);
    load_report report;
    game.Tell(BuiltInStory());
    EXPECT_TRUE(game.LoadRooms(roomsIn, report, BuiltIn().map.start) &&
                game.LoadPeople(peopleIn, report));
    EXPECT_TRUE(report.problems.empty());
    EXPECT_NE(speaker, kNone) << name << " has no role";
    game.SetQuestStage(speaker, quest);
    game.SetGiftStage(speaker, gift);
  }

  // What the game writes when the player talks to `typed` and answers with `answers`.
  std::string Talk(const std::string& typed, const std::string& answers = "") {
    string_console screen(answers);
    won = screen.io.PlayOut(TalkTo(game, screen.io, typed));
    return screen.Written();
  }

  world game;
  int speaker = kNone;
  bool won = false;
};

TEST(Guards, ConversationsSayNothingForAStageTheyDoNotList) {
  struct unlisted {
    const char* name;
    quest_stage stage;
  };
  const unlisted cases[] = {
      {"Ruaidhri the photo guy", quest_stage::kIdle},
      {"Conor", quest_stage::kIdle},
      {"Sean the musician", quest_stage::kWaiting},
      {"Sara-Jane", quest_stage::kWaiting},
      {"Jack", quest_stage::kWaiting},
      {"Siobhan", quest_stage::kWaiting},
      {"Tom", quest_stage::kWaiting},
  };
  for (const unlisted& entry : cases) {
    talk_world here(entry.name, entry.stage);
    const world before = here.game;
    EXPECT_EQ(here.Talk(entry.name), "") << entry.name;
    // Nothing moved on: no hand-over, no stage changed.
    EXPECT_EQ(here.game, before) << entry.name;
    EXPECT_FALSE(here.won) << entry.name;
  }
}

TEST(Guards, DiarmuidWithoutAnOpenErrandSkipsOnlyHisGreeting) {
  talk_world open("Diarmuid", quest_stage::kOpen);
  talk_world idle("Diarmuid", quest_stage::kIdle);
  const std::string openText = open.Talk("Diarmuid");
  const std::string idleText = idle.Talk("Diarmuid");
  const std::size_t greetingEnd = openText.find("\n\n") + 2;
  EXPECT_EQ(idleText, openText.substr(greetingEnd));
  EXPECT_EQ(idleText.rfind("What? Amnesia?", 0), 0u);
  EXPECT_TRUE(open.won);
  EXPECT_TRUE(idle.won);
}

TEST(Guards, TalkFindsTheConversationByTheFullNameOfWhoeverIsHere) {
  // "Tom" finds Tomas, the only one here, who runs his own conversation and not Tom's.
  talk_world tomas("Tomas", quest_stage::kIdle);
  EXPECT_EQ(tomas.Talk("Tom"), "::Listening to conversation:: Haha, that's great.\n\n");
  EXPECT_EQ(tomas.Talk("Jack"), "There is no person by that name here.\n\n");
  // Somebody the story does not know says nothing.
  world game;
  LoadWorld(game, kPark, "a stranger\nPark", "");
  string_console screen;
  EXPECT_FALSE(screen.io.PlayOut(TalkTo(game, screen.io, "stranger")));
  EXPECT_EQ(screen.Written(), "");
}

TEST(Guards, AnAnswerCutShortByTheEndOfInputMovesNothingOn) {
  talk_world jack("Jack", quest_stage::kOpen);
  const world before = jack.game;
  const std::string menu =
      "What?\n\nResponse: \na) Nothing.\n"
      "b) Do you remember me from last night? I was talking to bar tender at The Franciscan "
      "Well, and he said you took my picture. I need to know who else was with me that night.\n\n";
  EXPECT_EQ(jack.Talk("Jack", "  x\n"), menu + "Didn't hear that.\n");
  EXPECT_EQ(jack.game, before);
  // Answered, the errand is done and the next one open.
  const std::string told = jack.Talk("Jack", "x\nb\n");
  EXPECT_EQ(told.rfind(menu + "Didn't hear that.\nOh, you talked to John?", 0), 0u) << told;
  EXPECT_EQ(jack.game.QuestStage(jack.speaker), quest_stage::kDone);
  EXPECT_EQ(jack.game.QuestStage(jack.game.FindNPC("Siobhan")), quest_stage::kOpen);
}

TEST(Guards, AStepForAPlaceTheDataLackIsSaidAndSkipped) {
  // Tom's talk brings Diarmuid into the Washington Inn, which this city lacks.
  talk_world tom("Tom", quest_stage::kOpen, gift_stage::kReceived);
  const std::string told = tom.Talk("Tom", "b");
  const std::string missing = "world - PlacePersonInRoom: No match for given place name.\n";
  ASSERT_GE(told.size(), missing.size());
  EXPECT_EQ(told.substr(told.size() - missing.size()), missing);
  EXPECT_EQ(told.find(missing), told.size() - missing.size()) << "said once";
  const int diarmuid = tom.game.FindNPC("Diarmuid");
  EXPECT_EQ(tom.game.RoomOf(diarmuid), tom.game.RoomByName("Next door"));
  // The steps before it were taken all the same.
  EXPECT_EQ(tom.game.QuestStage(tom.speaker), quest_stage::kDone);
  EXPECT_EQ(tom.game.GiftStage(tom.speaker), gift_stage::kNone);
  EXPECT_EQ(tom.game.QuestStage(diarmuid), quest_stage::kOpen);
}

TEST(Guards, APersonWhoStandsSomewhereStaysThere) {
  world game;
  LoadWorld(game, kPark + std::string("\nThe Old Oak\npub\npub detail"), "Conor\nPark", "");
  const world before = game;
  // A place is found all the same, but neither list is touched: linking him into a second list
  // would tie the two together, and into his own again would make it endless.
  EXPECT_TRUE(game.PlacePersonInRoom("Oak", 0));
  EXPECT_TRUE(game.PlacePersonInRoom("Park", 0));
  EXPECT_FALSE(game.PlacePersonInRoom("Moon", 0));
  ASSERT_EQ(game, before);  // else the lists below may never end
  EXPECT_EQ(PeopleNames(game, game.PeopleIn(0)), (std::vector<std::string>{"Conor"}));
  EXPECT_TRUE(game.PeopleIn(1).empty());
}

TEST(Guards, AdvanceQuestForSomebodyUnknownOpensNobody) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "Conor\nPark\nSean the musician\nPark", "coin\nround\nUSER");
  happenings log;
  AdvanceQuest(game, "Conan", log);
  EXPECT_EQ(play.Told(log), "world - FindNPC: No match for given NPC name.\n");
  EXPECT_EQ(game.QuestStage(1), quest_stage::kIdle);
  // Part of a name finds the person, and his full name the errand after his.
  log.clear();
  AdvanceQuest(game, "Con", log);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(game.QuestStage(1), quest_stage::kOpen);
  // The next person of the chain missing, nobody is opened either.
  test_world alone;
  LoadWorld(alone.game, kPark, "Conor\nPark", "");
  const world before = alone.game;
  AdvanceQuest(alone.game, "Conor", log);
  EXPECT_EQ(alone.Told(log), "world - FindNPC: No match for given NPC name.\n");
  EXPECT_EQ(alone.game, before);
}

TEST(Guards, NobodyWantsAnObjectThePlayerDoesNotCarry) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "Conor\nPark", "english coins\nround\nPark");
  EXPECT_FALSE(WantsObject(game, "english coins", 0));
  happenings log;
  GiveObject(game, "english coins", "Conor", log);
  EXPECT_EQ(play.Told(log), "That item is not in your inventory.\n");
  EXPECT_EQ(game.QuestStage(0), quest_stage::kOpen);
}

TEST(Guards, AHandOverFromSomebodyNotHereChangesNothing) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark + std::string("\nThe Old Oak\npub\npub detail"), "Siobhan\nOak",
            "pint of Guinness\nstout\nNPC\nSiobhan");
  const world before = game;
  EXPECT_EQ(play.Told(game.TakeFromPerson("pint of Guinness", "Siobhan")),
            "That person is not in this room.\n");
  EXPECT_TRUE(game.Inventory().empty());
  EXPECT_EQ(game.HeldBy(0).front(), 0);
  EXPECT_EQ(game, before);
}

TEST(Guards, AnEmptyLineInsideADataFileIsAnEmptyField) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, "Fitzgerald Park\n\ndetail\n\r\n\n", "", "");
  ASSERT_EQ(game.RoomCount(), 2);
  string_console first;
  DescribeRoom(first.io, game, 0);
  EXPECT_EQ(first.Written().rfind("\nFitzgerald Park\n\ndetail\n\n", 0), 0u);
  string_console second;
  DescribeRoom(second.io, game, 1);
  EXPECT_EQ(second.Written().rfind("\n\n\n\n\n", 0), 0u);
}

}  // namespace
}  // namespace quillmore
