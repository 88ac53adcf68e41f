#include "tools/check/edit_distance.h"

#include <gtest/gtest.h>

#include "tools/check/unicode_form.h"

namespace quillmore {
namespace {

// How many letters to put in, leave out or change before the name contains the text. The
// figures are those of a plain edit distance to every run of letters in the name.
TEST(EditsToContain, CountsTheEditsToTheNearestRunOfLettersInTheName) {
  EXPECT_EQ(EditsToContain("The Gaol Walk east", "Gaol Walk"), 0u);  // anywhere in the name
  EXPECT_EQ(EditsToContain("xyzab", "ab"), 0u);                      // to its last letter
  EXPECT_EQ(EditsToContain("park", ""), 0u);
  EXPECT_EQ(EditsToContain("", "abc"), 3u);
  EXPECT_EQ(EditsToContain("abc", "abd"), 1u);  // to the text's last letter
  EXPECT_EQ(EditsToContain("MacDonald's", "McDonald's"), 1u);
  EXPECT_EQ(EditsToContain("Gaol Lane", "Gaol Walk"), 3u);
  // One letter the name has and the text lacks, one the other way round, one twice.
  EXPECT_EQ(EditsToContain("abXcd", "abcd"), 1u);
  EXPECT_EQ(EditsToContain("abcd", "abXcd"), 1u);
  EXPECT_EQ(EditsToContain("a", "aa"), 1u);
}

// How near a name comes to one the story needs, whole; and two spellings of one accented letter,
// which look the same, compare equal only in the composed form.
TEST(EditsBetween, CountsTheEditsFromOneWholeNameToTheOther) {
  EXPECT_EQ(EditsBetween("Sarah-Jane", "Sara-Jane"), 1u);
  EXPECT_EQ(EditsBetween("napkn", "napkin"), 1u);
  EXPECT_EQ(EditsBetween("napkin with a note", "napkin"), 12u);  // held in it is no near miss
  EXPECT_EQ(EditsBetween("", "Tom"), 3u);
  EXPECT_EQ(EditsBetween("NCP", "NPC"), 2u);
  EXPECT_NE(std::string("Caf\xc3\xa9"), std::string("Cafe\xcc\x81"));
  EXPECT_EQ(Composed("Caf\xc3\xa9"), Composed("Cafe\xcc\x81"));
  EXPECT_EQ(Composed("Cafe\xcc\x81"), "Caf\xc3\xa9");
  EXPECT_EQ(Composed("\xff not UTF-8"), "\xff not UTF-8");
}

}  // namespace
}  // namespace quillmore
