// The guards that play on the shipped data never reaches: stage values no script lists, lookups
// that find nobody, hand-overs from somebody who is not here.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "story/story.h"
#include "test_world.h"
#include "world/data_reader.h"
#include "world/person.h"
#include "world/world.h"

namespace quillmore {
namespace {

const char* const kPark = "Fitzgerald Park\npark\npark detail";

person Named(const std::string& name, quest_stage stage) {
  person someone;
  std::istringstream text(name);
  data_reader in(text);
  someone.ReadName(in);
  someone.SetQuestStage(stage);
  return someone;
}

// What the person's script writes, and what it returns.
std::string Talk(person& speaker, bool* result = nullptr) {
  string_console screen;
  const bool returned = RoleOf(speaker.GetName())->talk(speaker, screen.io);
  if (result != nullptr) {
    *result = returned;
  }
  return screen.Written();
}

TEST(Guards, ScriptsSayNothingForAStageTheyDoNotList) {
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
    person speaker = Named(entry.name, entry.stage);
    bool result = true;
    EXPECT_EQ(Talk(speaker, &result), "") << entry.name;
    EXPECT_FALSE(result) << entry.name;
  }
}

TEST(Guards, DiarmuidWithoutAnOpenErrandSkipsOnlyHisGreeting) {
  person open = Named("Diarmuid", quest_stage::kOpen);
  person idle = Named("Diarmuid", quest_stage::kIdle);
  const std::string openText = Talk(open);
  const std::string idleText = Talk(idle);
  const std::size_t greetingEnd = openText.find("\n\n") + 2;
  EXPECT_EQ(idleText, openText.substr(greetingEnd));
  EXPECT_EQ(idleText.rfind("What? Amnesia?", 0), 0u);
}

TEST(Guards, AdvanceQuestForSomebodyUnknownOpensNobody) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "Conor\nPark\nSean the musician\nPark", "coin\nround\nUSER");
  game.AdvanceQuest("Conan");
  EXPECT_EQ(play.screen.Written(), "world - FindNPC: No match for given NPC name.\n");
  EXPECT_EQ(game.PersonAt(1).GetQuestStage(), quest_stage::kIdle);
}

TEST(Guards, NobodyWantsAnObjectThePlayerDoesNotCarry) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark, "Conor\nPark", "english coins\nround\nPark");
  EXPECT_FALSE(game.WantsObject("english coins", game.PersonAt(0)));
}

TEST(Guards, AHandOverFromSomebodyNotHereChangesNothing) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, kPark + std::string("\nThe Old Oak\npub\npub detail"), "Siobhan\nOak",
            "pint of Guinness\nstout\nNPC\nSiobhan");
  game.TakeFromPerson("pint of Guinness", "Siobhan");
  EXPECT_EQ(play.screen.Written(), "That person is not in this room.\n");
  EXPECT_EQ(game.Inventory(), nullptr);
  EXPECT_EQ(game.PersonAt(0).GetHeldItems(), &game.ObjectAt(0));
}

TEST(Guards, AnEmptyLineInsideADataFileIsAnEmptyField) {
  test_world play;
  world& game = play.game;
  LoadWorld(game, "Fitzgerald Park\n\ndetail\n\r\n\n", "", "");
  ASSERT_EQ(game.RoomCount(), 2);
  string_console first;
  game.RoomAt(0).Describe(first.io);
  EXPECT_EQ(first.Written().rfind("\nFitzgerald Park\n\ndetail\n\n", 0), 0u);
  string_console second;
  game.RoomAt(1).Describe(second.io);
  EXPECT_EQ(second.Written().rfind("\n\n\n\n\n", 0), 0u);
}

}  // namespace
}  // namespace quillmore
