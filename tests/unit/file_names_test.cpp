#include "terminal/file_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fixed_platform.h"

namespace quillmore {
namespace {

namespace fs = std::filesystem;

TEST(FileNames, AreTakenAsTheShellWouldFromWhereThePlayerStarted) {
  fixed_platform system;
  system.environment = {{"HOME", "/home/player"}, {"QUILLMORE_STARTED_IN", "/home/player/games"}};
  EXPECT_EQ(NamedFile(system, "~/saves/quillmore.save"),
            fs::path("/home/player/saves/quillmore.save"));
  EXPECT_EQ(NamedFile(system, "quillmore.save"), fs::path("/home/player/games/quillmore.save"));
  EXPECT_EQ(NamedFile(system, "/tmp/quillmore.save"), fs::path("/tmp/quillmore.save"));
  EXPECT_EQ(TypeableName(system, "/home/player/.local/state/quillmore/games/1.save"),
            "~/.local/state/quillmore/games/1.save");
  EXPECT_EQ(TypeableName(system, "/home/playerx/1.save"), "/home/playerx/1.save");
  EXPECT_EQ(TypeableName(system, "/tmp/\x1b]0;owned\a\x7f.save"), "/tmp/^[]0;owned^G^?.save");
  // Without the launcher, a name is the working folder's; without a home, ~ is a folder's name.
  system.environment = {{"HOME", "relative"}};
  EXPECT_EQ(NamedFile(system, "~/a.save"), fs::path("/games/data/~/a.save"));
  EXPECT_EQ(TypeableName(system, "relative/1.save"), "relative/1.save");
}

TEST(FileNames, TheStateFolderIsTheXdgOneOrTheDefaultOne) {
  fixed_platform system;
  system.environment = {{"HOME", "/home/player"}, {"XDG_STATE_HOME", "/var/state"}};
  EXPECT_EQ(StateFolder(system), fs::path("/var/state/quillmore"));
  system.environment["XDG_STATE_HOME"] = "relative/is/ignored";
  EXPECT_EQ(StateFolder(system), fs::path("/home/player/.local/state/quillmore"));
  system.environment.clear();
  EXPECT_EQ(StateFolder(system), fs::path());
}

}  // namespace
}  // namespace quillmore
