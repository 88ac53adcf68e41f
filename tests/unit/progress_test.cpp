#include "terminal/progress.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "terminal/posix_file_system.h"

namespace quillmore {
namespace {

namespace fs = std::filesystem;

class Progress : public ::testing::Test {
 protected:
  void SetUp() override {
    state = fs::temp_directory_path() / ("quillmore-progress-" + std::to_string(getpid()));
    fs::remove_all(state);
  }
  void TearDown() override { fs::remove_all(state); }

  // The files kept for games.
  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(state / "games", error)) {
      files.push_back(entry.path());
    }
    return files;
  }
  std::string Continued(const std::string& data, std::string& notice) {
    progress later(disk, state, "/games/data", data);
    return later.TakeUp(notice);
  }

  posix_file_system disk;
  fs::path state;
};

TEST_F(Progress, KeepsWhatWasTypedUntilTheGameIsWonOrQuit) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", "the data");
    ASSERT_TRUE(game.Record("s\n", notice));
    ASSERT_TRUE(game.Record("talk Sean\na\n", notice));
  }
  EXPECT_EQ(Continued("the data", notice), "s\ntalk Sean\na\n");
  EXPECT_EQ(notice, "");
  // Continued, the game records on where it stood; finished, there is nothing left to take up.
  progress again(disk, state, "/games/data", "the data");
  EXPECT_EQ(again.TakeUp(notice), "s\ntalk Sean\na\n");
  ASSERT_TRUE(again.Record("n\n", notice));
  again.Finish();
  EXPECT_FALSE(again.Record("x\n", notice));  // the key that ends a won game, say
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(Continued("the data", notice), "");
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
}

TEST_F(Progress, ANewGameReplacesTheOldOneOnlyOnceItsFirstLineIsWritten) {
  std::string notice;
  progress first(disk, state, "/games/data", "the data");
  ASSERT_TRUE(first.Record("s\n", notice));
  progress second(disk, state, "/games/data", "the data");
  EXPECT_EQ(Continued("the data", notice), "s\n");
  ASSERT_TRUE(second.Record("e\n", notice));
  EXPECT_EQ(Continued("the data", notice), "e\n");
  EXPECT_EQ(Files().size(), 1u);  // and no half-written file is left beside it
}

TEST_F(Progress, SaysWhyAGameCannotBeContinued) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", "the data");
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  // Other data: the old game is kept, for when the data come back.
  EXPECT_EQ(Continued("changed data", notice), "");
  EXPECT_EQ(notice,
            "The data files have changed since the last game here, so a new one begins; the old "
            "one is kept.");
  EXPECT_EQ(Continued("the data", notice), "s\n");
  // A line cut short by a crash was never read by the game, even when it is the only one.
  const fs::path file = Files().front();
  std::ofstream(file, std::ios::app) << "talk Se";
  notice.clear();
  EXPECT_EQ(Continued("the data", notice), "s\n");
  std::string header;
  std::getline(std::ifstream(file), header, '\0');
  header.erase(header.find("\n\n") + 2);
  std::ofstream(file) << header << "talk Se";
  EXPECT_EQ(Continued("the data", notice), "");
  EXPECT_EQ(notice, "");
  // Damaged files, even one whose header starts as it should, cannot be read.
  const std::string start = "quillmore progress 1\nfolder /games/data\ndata ";
  for (const std::string damaged : {"rubbish", "rubbish here....", "0123456789abcdef0"}) {
    std::ofstream(file) << (damaged == "rubbish" ? "" : start) << damaged << "\n\ns\n";
    EXPECT_EQ(Continued("the data", notice), "");
    EXPECT_EQ(notice.rfind("The last game here could not be read (", 0), 0u) << notice;
  }
  // Another data folder has no game of its own.
  progress elsewhere(disk, state, "/other/data", "the data");
  EXPECT_EQ(elsewhere.TakeUp(notice), "");
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
}

// Played, then the data files changed and a new game played on them: that one is the last.
TEST_F(Progress, TakesUpTheNewestGameOfTheDataFolderWhateverItsData) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", "the data");
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  fs::last_write_time(Files().front(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  {
    progress game(disk, state, "/games/data", "changed data");
    EXPECT_EQ(game.TakeUp(notice), "");
    ASSERT_TRUE(game.Record("e\n", notice));
  }
  EXPECT_EQ(Continued("changed data", notice), "e\n");
  EXPECT_EQ(notice, "");
}

TEST_F(Progress, SaysSoWhenItCannotWrite) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", "the data");
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  // The game's file is a folder now: it can neither be read nor replaced.
  const fs::path file = Files().front();
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_EQ(Continued("the data", notice), "");
  EXPECT_EQ(notice.rfind("The last game here could not be read (", 0), 0u) << notice;
  progress next(disk, state, "/games/data", "the data");
  EXPECT_FALSE(next.Record("n\n", notice));
  EXPECT_EQ(notice.rfind("Your progress cannot be kept (", 0), 0u) << notice;
  EXPECT_EQ(Files(), std::vector<fs::path>{file});  // nothing half-written is left behind
}

TEST_F(Progress, SaysSoWhenItCannotWriteAtAll) {
  fs::create_directories(state);
  std::ofstream(state / "games") << "a file where the folder should be";
  progress game(disk, state, "/games/data", "the data");
  std::string notice;
  EXPECT_FALSE(game.Record("s\n", notice));
  EXPECT_EQ(notice.rfind("Your progress cannot be kept (", 0), 0u) << notice;
  notice.clear();
  EXPECT_FALSE(game.Record("n\n", notice));
  EXPECT_EQ(notice, "");  // said once
}

TEST(ProgressFolder, IsTheXdgStateFolderOrTheDefaultOne) {
  const char* const savedState = std::getenv("XDG_STATE_HOME");
  const char* const savedHome = std::getenv("HOME");
  const std::string state = savedState != nullptr ? savedState : "";
  const std::string home = savedHome != nullptr ? savedHome : "";
  setenv("HOME", "/home/player", 1);
  setenv("XDG_STATE_HOME", "/var/state", 1);
  EXPECT_EQ(progress::StateFolder(), fs::path("/var/state/quillmore"));
  setenv("XDG_STATE_HOME", "relative/is/ignored", 1);
  EXPECT_EQ(progress::StateFolder(), fs::path("/home/player/.local/state/quillmore"));
  unsetenv("XDG_STATE_HOME");
  unsetenv("HOME");
  EXPECT_EQ(progress::StateFolder(), fs::path());
  savedHome != nullptr ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
  savedState != nullptr ? setenv("XDG_STATE_HOME", state.c_str(), 1) : unsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace quillmore
