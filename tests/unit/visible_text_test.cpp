// What the player typed, and names of files, written back to a terminal as text.

#include "console/visible_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmore {
namespace {

TEST(VisibleText, ControlBytesAreShownAsTheKeysThatTypeThem) {
  const std::string typed = std::string("get \x1b[2J\x07\x7f") + '\0' + "\n";
  EXPECT_EQ(Visible(typed), "get ^[[2J^G^?^@\n");
  EXPECT_TRUE(HasControlBytes(typed));
  EXPECT_FALSE(HasControlBytes("give english coins\nConor\n"));
  // Typed, a tab is a blank, and a line end before the last (Ctrl-V Ctrl-M) is no line end.
  EXPECT_EQ(TypedAsText("give\tcoins\x1b\n"), "give coins^[\n");
  EXPECT_EQ(TypedAsText("look\ns\n"), "look^Js\n");
  EXPECT_EQ(TypedAsText("look\rs"), "look^Ms");  // Ctrl-D ends a line that has no line end
}

}  // namespace
}  // namespace quillmore
