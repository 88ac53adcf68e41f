#include "game/completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_world.h"

namespace quillmore {
namespace {

using names = std::vector<std::string>;

// The park with Conor and a couple in it, a bench lying there; the player carries the coins and
// the photo slip.
struct park : test_world {
  park() {
    LoadWorld(game, "Fitzgerald Park\npark\ndetail", "couple lying on a blanket\nPark\nConor\nPark",
              "park bench\nold\nPark\nphoto slip\nslip\nUSER\nenglish coins\nround\nUSER");
  }
  names Candidates(wanted what, const std::string& line) {
    return Complete(game, what, line).candidates;
  }
};

// The name a player typed in other capitals is given back only when one name alone could be
// meant, of those the command takes, and the typed text matches none as it is spelled.
TEST(Completion, SpellsANameTypedInOtherCapitalsWhenOneAloneFits) {
  park here;
  EXPECT_EQ(SpelledName(here.game, wanted::kPerson, "conor"), "Conor");
  EXPECT_EQ(SpelledName(here.game, wanted::kPerson, "COUPLE"), "couple");
  EXPECT_EQ(SpelledName(here.game, wanted::kPerson, "Co"), "");              // Conor as spelled
  EXPECT_EQ(SpelledName(here.game, wanted::kPerson, "cO"), "");              // Conor and the couple
  EXPECT_EQ(SpelledName(here.game, wanted::kObjectHere, "Photo Slip"), "");  // not lying here
  EXPECT_EQ(SpelledName(here.game, wanted::kObjectCarried, "Photo Slip"), "photo slip");
  EXPECT_EQ(SpelledName(here.game, wanted::kPerson, ""), "");
}

TEST(Completion, OffersTheCommandWordsThenTheNamesTheCommandTakes) {
  park here;
  EXPECT_EQ(here.Candidates(wanted::kCommand, "g"), (names{"get", "give"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "Tal"), (names{"talk"}));
  // Words that begin with the text are all there is: south, east, quit... only contain it.
  EXPECT_EQ(here.Candidates(wanted::kCommand, "t"), (names{"talk"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "talk co"),
            (names{"Conor", "couple lying on a blanket"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "talk con"), (names{"Conor"}));
  EXPECT_EQ(Complete(here.game, wanted::kCommand, "talk con").start, 5u);
  EXPECT_EQ(here.Candidates(wanted::kCommand, "get "), (names{"park bench"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "give "), (names{"english coins", "photo slip"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "drop ph"), (names{"photo slip"}));
  EXPECT_EQ(here.Candidates(wanted::kCommand, "l p"), (names{"park bench", "photo slip"}));
  // Words that take no name follow one another: the last one is completed.
  EXPECT_EQ(here.Candidates(wanted::kCommand, "n e w"), (names{"west"}));
  EXPECT_EQ(Complete(here.game, wanted::kCommand, "n e w").start, 4u);
  EXPECT_TRUE(here.Candidates(wanted::kCommand, "quit x").empty());
  EXPECT_EQ(here.Candidates(wanted::kCommand, "").size(), 12u);
  EXPECT_EQ(here.Candidates(wanted::kCommand, "  ").size(), 12u);
}

TEST(Completion, OffersNamesAtTheGamesOwnQuestions) {
  park here;
  EXPECT_EQ(here.Candidates(wanted::kPerson, ""), (names{"Conor", "couple lying on a blanket"}));
  EXPECT_EQ(here.Candidates(wanted::kObjectHere, "PARK"), (names{"park bench"}));
  // Failing a name that begins with the text, one that contains it.
  EXPECT_EQ(here.Candidates(wanted::kObjectCarried, "coin"), (names{"english coins"}));
  EXPECT_TRUE(here.Candidates(wanted::kAnswer, "").empty());
  EXPECT_TRUE(here.Candidates(wanted::kKey, "").empty());
}

// What Tab fills in: one candidate whole, with its capitals, even when it was typed whole; several
// only what they share beyond what was typed; nothing when several only contain the typed text or
// the start is past the line.
TEST(Completion, FillsInOneNameWholeOrWhatSeveralShareBeyondTheTyping) {
  std::string filled;
  ASSERT_TRUE(FillIn({.start = 5, .candidates = {"Conor"}}, "talk co", filled));
  EXPECT_EQ(filled, "Conor");
  ASSERT_TRUE(FillIn({.start = 5, .candidates = {"Conor"}}, "talk ", filled));  // none typed
  EXPECT_EQ(filled, "Conor");
  ASSERT_TRUE(FillIn({.start = 5, .candidates = {"Conor"}}, "talk conor", filled));  // all
  EXPECT_EQ(filled, "Conor");
  ASSERT_TRUE(FillIn({.start = 5, .candidates = {"photo slip", "photos"}}, "look p", filled));
  EXPECT_EQ(filled, "photo");
  ASSERT_TRUE(FillIn({.start = 5, .candidates = {"photo slip", "Photo"}}, "look p", filled));
  EXPECT_EQ(filled, "photo");
  filled = "untouched";
  EXPECT_FALSE(FillIn({.start = 5, .candidates = {"photo slip", "pint"}}, "look p", filled));
  EXPECT_FALSE(
      FillIn({.start = 5, .candidates = {"english coins", "gold coins"}}, "look coins", filled));
  EXPECT_FALSE(FillIn({.start = 9, .candidates = {"Conor"}}, "talk", filled));
  EXPECT_FALSE(FillIn({.start = 0, .candidates = {}}, "xyz", filled));
  EXPECT_EQ(filled, "untouched");
}

}  // namespace
}  // namespace quillmore
