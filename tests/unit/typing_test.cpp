// Every line the game read, as a front end keeps it: taken back a command at a time.

#include "game/typing.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmore {
namespace {

TEST(Typing, TakesBackACommandWithEveryLineItRead) {
  typing played;
  EXPECT_FALSE(played.Undo());
  played.Add("s\n", wanted::kCommand);
  played.Add("give\n", wanted::kCommand);
  played.Add("coins\n", wanted::kObjectCarried);
  played.Add("Conor\n", wanted::kPerson);
  played.Add("  \n", wanted::kCommand);  // the game reads past a blank line: no command
  EXPECT_EQ(played.LastCommand(), "give");
  ASSERT_TRUE(played.Undo());
  EXPECT_EQ(played.Text(), "s\n");
  played.Add("talk Liam\n", wanted::kCommand);
  played.Add("b\n", wanted::kAnswer);
  ASSERT_TRUE(played.Undo());
  ASSERT_TRUE(played.Undo());
  EXPECT_EQ(played.Text(), "");
  EXPECT_FALSE(played.Undo());
  EXPECT_EQ(played.LastCommand(), "");
}

TEST(Typing, KnowsUndoAndACommentFromACommand) {
  EXPECT_EQ(AsideOf("undo\n"), aside::kUndo);
  EXPECT_EQ(AsideOf(" Undo "), aside::kUndo);
  EXPECT_EQ(AsideOf("UNDO"), aside::kNone);  // the game's words are small or capitalised
  EXPECT_EQ(AsideOf("undo s"), aside::kNone);
  EXPECT_EQ(AsideOf("* a note for the author"), aside::kComment);
  EXPECT_EQ(AsideOf("  *"), aside::kComment);
  EXPECT_EQ(AsideOf("look *"), aside::kNone);
}

}  // namespace
}  // namespace quillmore
