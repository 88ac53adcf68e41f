#include "console/word_wrap.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmore {
namespace {

std::string Wrapped(const std::string& text, int width, int column = 0) {
  return Wrap(text, width, column);
}

TEST(WordWrap, BreaksAtTheLastBlankThatFitsAndKeepsEverythingElse) {
  EXPECT_EQ(Wrapped("a dull throb beats", 12), "a dull throb\nbeats");
  EXPECT_EQ(Wrapped("a dull throb beats", 13), "a dull throb\nbeats");
  EXPECT_EQ(Wrapped("the railings.", 13), "the railings.");  // exactly a row: no break
  EXPECT_EQ(Wrapped("", 10), "");
  // Leading blanks stay; a blank that only leads the row is no place to break.
  EXPECT_EQ(Wrapped(" ::cheerily:: Hello there.", 14), " ::cheerily::\nHello there.");
  EXPECT_EQ(Wrapped("   Ireland", 5), "   Ir\neland");
  // A trailing blank that would run past the row is where it breaks.
  EXPECT_EQ(Wrapped("ages. ", 5), "ages.\n");
  // Two blanks: the row keeps the first.
  EXPECT_EQ(Wrapped("one  two", 5), "one \ntwo");
}

TEST(WordWrap, BreaksAWordLongerThanARowWhereTheRowEnds) {
  EXPECT_EQ(Wrapped("Ireland", 3), "Ire\nlan\nd");
  EXPECT_EQ(Wrapped("go Ireland", 4), "go\nIrel\nand");
  // A character of several bytes takes one column and is never split.
  EXPECT_EQ(Wrapped("caf\xC3\xA9 au lait", 4), "caf\xC3\xA9\nau\nlait");
  EXPECT_EQ(Wrapped("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9\n\xC3\xA9");
  EXPECT_EQ(Wrapped("abc", 0), "a\nb\nc");  // no width is taken as one column
}

TEST(WordWrap, GoesOnFromWhereTheRowStands) {
  int column = 0;
  EXPECT_EQ(Wrap("Press any key ", 20, column), "Press any key ");
  EXPECT_EQ(column, 14);
  // What is already on the row stays whole: a word that does not fit starts the next row.
  EXPECT_EQ(Wrap("continuing", 20, column), "\ncontinuing");
  EXPECT_EQ(column, 10);
  EXPECT_EQ(Wrap("on and on", 15, column), "on\nand on");
  EXPECT_EQ(column, 6);
}

}  // namespace
}  // namespace quillmore
