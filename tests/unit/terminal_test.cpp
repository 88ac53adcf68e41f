#include "terminal/terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "fixed_platform.h"

namespace quillmore {
namespace {

int WidthOf(fixed_platform& system, bool wrap) {
  terminal::comforts comforts;
  comforts.system = &system;
  comforts.wrap = wrap;
  terminal player(comforts);
  return player.LineWidth();
}

TEST(Terminal, WrapsAtTheTerminalsWidthElseAtASaneColumnsElseAt80) {
  fixed_platform system;
  system.width = 100;
  system.environment["COLUMNS"] = "60";
  EXPECT_EQ(WidthOf(system, true), 100);
  system.width = 0;  // a terminal that cannot tell
  EXPECT_EQ(WidthOf(system, true), 60);
  EXPECT_EQ(WidthOf(system, false), 0);  // standard output is no terminal
  system.environment["COLUMNS"] = "1000";
  EXPECT_EQ(WidthOf(system, true), 1000);
  for (const char* columns : {"", "wide", "0", "-5", "60x", "1001", "2147483647", "2147483648"}) {
    system.environment["COLUMNS"] = columns;
    EXPECT_EQ(WidthOf(system, true), 80) << columns;
  }
  system.environment.erase("COLUMNS");
  EXPECT_EQ(WidthOf(system, true), 80);
}

}  // namespace
}  // namespace quillmore
