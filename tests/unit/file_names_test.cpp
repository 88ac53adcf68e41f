#include "terminal/file_names.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillmore {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test, and puts back what was there.
class variable {
 public:
  variable(const char* name, const char* value) : name(name) {
    const char* before = std::getenv(name);
    had = before != nullptr;
    saved = had ? before : "";
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~variable() { had ? setenv(name, saved.c_str(), 1) : unsetenv(name); }
  variable(const variable&) = delete;
  variable& operator=(const variable&) = delete;

 private:
  const char* name;
  std::string saved;
  bool had = false;
};

TEST(FileNames, AreTakenAsTheShellWouldFromWhereThePlayerStarted) {
  const variable home("HOME", "/home/player");
  const variable started("QUILLMORE_STARTED_IN", "/home/player/games");
  EXPECT_EQ(NamedFile("~/saves/quillmore.save"), fs::path("/home/player/saves/quillmore.save"));
  EXPECT_EQ(NamedFile("quillmore.save"), fs::path("/home/player/games/quillmore.save"));
  EXPECT_EQ(NamedFile("/tmp/quillmore.save"), fs::path("/tmp/quillmore.save"));
  {
    // Without the launcher, a name is the working folder's; without a home, ~ is a folder's name.
    const variable direct("QUILLMORE_STARTED_IN", nullptr);
    const variable homeless("HOME", nullptr);
    EXPECT_EQ(NamedFile("~/a.save"), fs::current_path() / "~/a.save");
  }
  EXPECT_EQ(TypeableName("/home/player/.local/state/quillmore/games/1.save"),
            "~/.local/state/quillmore/games/1.save");
  EXPECT_EQ(TypeableName("/home/playerx/1.save"), "/home/playerx/1.save");
  EXPECT_EQ(TypeableName("/tmp/1.save"), "/tmp/1.save");
  const variable homeless("HOME", "relative");
  EXPECT_EQ(TypeableName("relative/1.save"), "relative/1.save");
}

}  // namespace
}  // namespace quillmore
