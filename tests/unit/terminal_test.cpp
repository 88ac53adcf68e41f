#include "terminal/terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "fixed_platform.h"

namespace quillmore {
namespace {

TEST(Terminal, WrapsAtTheTerminalsWidthElseAtASaneColumnsElseAt80) {
  fixed_platform system;
  system.width = 100;
  system.environment["COLUMNS"] = "60";
  EXPECT_EQ(LineWidth(system), 100);
  system.width = 0;  // a terminal that cannot tell
  EXPECT_EQ(LineWidth(system), 60);
  system.environment["COLUMNS"] = "1000";
  EXPECT_EQ(LineWidth(system), 1000);
  for (const char* columns : {"", "wide", "0", "-5", "60x", "1001", "2147483647", "2147483648"}) {
    system.environment["COLUMNS"] = columns;
    EXPECT_EQ(LineWidth(system), 80) << columns;
  }
  system.environment.erase("COLUMNS");
  EXPECT_EQ(LineWidth(system), 80);
}

// A front end that keeps nothing on disk, as the page, has no environment, folder or clock.
TEST(Platform, WithoutFilesHasNoEnvironmentFolderOrClock) {
  class no_files : public platform {
   public:
    bool IsTerminal(int /*fd*/) override { return false; }
    int TerminalWidth(int /*fd*/) override { return 0; }
    bool EnterSingleKeyMode(int /*fd*/) override { return false; }
    void LeaveSingleKeyMode(int /*fd*/) override {}
    std::size_t ReadSome(int /*fd*/, char* /*into*/, std::size_t /*most*/) override { return 0; }
  } page;
  page.Unset("HOME");
  EXPECT_EQ(page.Environment("HOME"), "");
  EXPECT_EQ(page.WorkingFolder(), "");
  EXPECT_EQ(page.Now().tm_year, 0);
}

}  // namespace
}  // namespace quillmore
