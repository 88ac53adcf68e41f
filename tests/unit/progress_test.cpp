#include "game/progress.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fault_injection_file_system.h"
#include "game/save_format.h"
#include "terminal/posix_file_system.h"

namespace quillmore {
namespace {

namespace fs = std::filesystem;

const std::string kTheData = HashKey("the data");
const std::string kChangedData = HashKey("changed data");

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
  static std::string Typed(const fs::path& file) {
    std::string text;
    std::getline(std::ifstream(file), text, '\0');
    return text;
  }
  std::string Continued(const std::string& data, std::string& notice) {
    progress later(disk, state, "/games/data", data);
    return later.TakeUp(notice);
  }

  posix_file_system disk;
  fs::path state;
};

TEST_F(Progress, KeepsWhatWasTypedUntilTheGameIsWon) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(game.Record("s\n", notice));
    ASSERT_TRUE(game.Record("talk Sean\na\n", notice));
  }
  EXPECT_EQ(Continued(kTheData, notice), "s\ntalk Sean\na\n");
  EXPECT_EQ(notice, "");
  // Continued, the game records on where it stood; won, there is nothing left to take up.
  progress again(disk, state, "/games/data", kTheData);
  EXPECT_EQ(again.TakeUp(notice), "s\ntalk Sean\na\n");
  ASSERT_TRUE(again.Record("n\n", notice));
  EXPECT_EQ(Continued(kTheData, notice), "s\ntalk Sean\na\nn\n");
  again.Finish();
  EXPECT_FALSE(again.Record("x\n", notice));  // the key that ends a won game, say
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(Continued(kTheData, notice), "");
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
}

TEST_F(Progress, ANewGameKeepsTheOldOnesTheNewestFew) {
  std::string notice;
  {
    progress first(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(first.Record("s\n", notice));
    progress second(disk, state, "/games/data", kTheData);
    EXPECT_EQ(second.LastGame(), Files().front());
    ASSERT_TRUE(second.Record("e\n", notice));
  }
  EXPECT_EQ(Continued(kTheData, notice), "e\n");
  EXPECT_EQ(Files().size(), 2u);  // and no half-written file is left beside them
  for (std::size_t game = 3; game <= progress::kGamesKept + 2; ++game) {
    progress next(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(next.Record(std::to_string(game) + "\n", notice));
  }
  EXPECT_EQ(Files().size(), progress::kGamesKept);
  EXPECT_EQ(Continued(kTheData, notice), std::to_string(progress::kGamesKept + 2) + "\n");
  for (const fs::path& file : Files()) {
    EXPECT_EQ(Typed(file).find("s\n"), std::string::npos) << "the oldest game is kept";
  }
}

// Undo puts the typing without the last command in the place of the file's; nothing left is no
// game at all.
TEST_F(Progress, TakingBackRewritesTheFileWhole) {
  std::string notice;
  progress game(disk, state, "/games/data", kTheData);
  ASSERT_TRUE(game.Record("s\n", notice));
  ASSERT_TRUE(game.Record("give coins\nConor\n", notice));
  ASSERT_TRUE(game.Rewrite("s\n", notice));
  EXPECT_EQ(Continued(kTheData, notice), "s\n");
  ASSERT_TRUE(game.Record("w\n", notice));  // added to the file rewritten
  EXPECT_EQ(Continued(kTheData, notice), "s\nw\n");
  EXPECT_EQ(Files().size(), 1u);
  ASSERT_TRUE(game.Rewrite("", notice));
  EXPECT_TRUE(Files().empty());
  ASSERT_TRUE(game.Record("e\n", notice));
  EXPECT_EQ(Continued(kTheData, notice), "e\n");
}

TEST_F(Progress, SaysWhyAGameCannotBeContinued) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  // Other data: the old game is kept, for when the data come back.
  EXPECT_EQ(Continued(kChangedData, notice), "");
  EXPECT_EQ(notice,
            "The data files have changed since the last game here, so a new one begins; the old "
            "one is kept.");
  EXPECT_EQ(Continued(kTheData, notice), "s\n");
  // A line cut short by a crash was never read by the game, even when it is the only one.
  const fs::path file = Files().front();
  std::ofstream(file, std::ios::app) << "talk Se";
  notice.clear();
  EXPECT_EQ(Continued(kTheData, notice), "s\n");
  std::string header;
  std::getline(std::ifstream(file), header, '\0');
  header.erase(header.find("\n\n") + 2);
  std::ofstream(file) << header << "talk Se";
  EXPECT_EQ(Continued(kTheData, notice), "");
  EXPECT_EQ(notice, "");
  // Damaged files, even one whose header starts as it should, cannot be read.
  const std::string start = "quillmore save 2\nfolder /games/data\ndata ";
  for (const std::string damaged : {"rubbish", "rubbish here....", "0123456789abcdef0"}) {
    std::ofstream(file) << (damaged == "rubbish" ? "" : start) << damaged << "\n\ns\n";
    EXPECT_EQ(Continued(kTheData, notice), "");
    EXPECT_EQ(notice.rfind("The last game here could not be read (", 0), 0u) << notice;
  }
  // Another data folder has no game of its own.
  progress elsewhere(disk, state, "/other/data", kTheData);
  EXPECT_EQ(elsewhere.TakeUp(notice), "");
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
  ASSERT_TRUE(elsewhere.Record("n\n", notice));
  EXPECT_EQ(elsewhere.LastGame().filename().string().find("-1.save"), 16u);  // a number of its own
}

// A save from elsewhere (the page's download, say) is played on in a file of this folder's own,
// and left as it was; one that cannot be taken up is said so in a line, and left as it was too.
TEST_F(Progress, TakesUpASaveFromAnywhereAndLeavesItAsItWas) {
  fs::create_directories(state);
  const fs::path saved = state / "quillmore.save";
  const std::string page = "quillmore save 2\ndata " + kTheData + "\n\ns\ngive coins\nConor\n";
  std::ofstream(saved) << page;
  std::string notice;
  progress game(disk, state, "/games/data", kTheData);
  EXPECT_EQ(game.TakeUp(saved, notice), "s\ngive coins\nConor\n");
  EXPECT_EQ(notice, "");
  ASSERT_TRUE(game.Record("n\n", notice));
  EXPECT_EQ(Typed(saved), page);
  EXPECT_EQ(Continued(kTheData, notice), "s\ngive coins\nConor\nn\n");

  const std::pair<std::string, std::string> refused[] = {
      {"quillmore save 2\ndata " + kChangedData + "\n\ns\n", " was saved on other data files"},
      {"a letter\n", " is no saved game of Quillmore"},
  };
  for (const auto& [text, said] : refused) {
    std::ofstream(saved) << text;
    progress other(disk, state, "/games/data", kTheData);
    EXPECT_EQ(other.TakeUp(saved, notice), "");
    EXPECT_EQ(notice, saved.string() + said + ", so a new one begins.");
    EXPECT_EQ(Typed(saved), text);
  }
  progress missing(disk, state, "/games/data", kTheData);
  EXPECT_EQ(missing.TakeUp(state / "nowhere.save", notice), "");
  EXPECT_EQ(notice.rfind(
                "The saved game " + (state / "nowhere.save").string() + " could not be read (", 0),
            0u)
      << notice;
}

// Played, then the data files changed and a new game played on them: that one is the last, by
// its number, whatever the clock said.
TEST_F(Progress, TakesUpTheNewestGameOfTheDataFolderWhateverItsData) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  {
    progress game(disk, state, "/games/data", kChangedData);
    EXPECT_EQ(game.TakeUp(notice), "");
    ASSERT_TRUE(game.Record("e\n", notice));
  }
  EXPECT_EQ(Continued(kChangedData, notice), "e\n");
  EXPECT_EQ(notice, "");
}

TEST_F(Progress, SaysSoWhenItCannotWrite) {
  std::string notice;
  {
    progress game(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(game.Record("s\n", notice));
  }
  // The game's file is a folder now: it is no game, and the new game goes in a file of its own
  // beside it.
  const fs::path file = Files().front();
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_EQ(Continued(kTheData, notice), "");
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
  progress next(disk, state, "/games/data", kTheData);
  EXPECT_TRUE(next.Record("n\n", notice));
  EXPECT_TRUE(fs::is_directory(file));
  EXPECT_EQ(Continued(kTheData, notice), "n\n");
  // Once this game's own file is a folder, it can be neither added to nor replaced.
  const fs::path own = next.LastGame();
  fs::remove(own);
  fs::create_directory(own);
  std::string said;
  EXPECT_FALSE(next.Rewrite("e\n", said));
  EXPECT_EQ(said.rfind("Your progress cannot be kept (", 0), 0u) << said;
  EXPECT_EQ(Files().size(), 2u);  // nothing half-written is left behind
}

TEST_F(Progress, SaysSoWhenItCannotWriteAtAll) {
  fs::create_directories(state);
  std::ofstream(state / "games") << "a file where the folder should be";
  progress game(disk, state, "/games/data", kTheData);
  std::string notice;
  EXPECT_FALSE(game.Record("s\n", notice));
  EXPECT_EQ(notice.rfind("Your progress cannot be kept (", 0), 0u) << notice;
  notice.clear();
  EXPECT_FALSE(game.Record("n\n", notice));
  EXPECT_EQ(notice, "");  // said once
}

// Two terminals on one game, as two progresses on one disk: the second plays a copy, and nothing
// either typed is lost or mixed, whatever the first does meanwhile.
TEST(OneGameOneWriter, ASecondTerminalPlaysACopyAndNoHeldGameIsRemoved) {
  fault_injection_file_system disk;
  const fs::path state = "/state";
  std::string notice;
  progress first(disk, state, "/games/data", kTheData);
  ASSERT_TRUE(first.Record("s\n", notice));
  const fs::path held = first.LastGame();
  progress second(disk, state, "/games/data", kTheData);
  EXPECT_EQ(second.TakeUp(notice), "s\n");
  EXPECT_EQ(notice, held.string() +
                        " is being played in another terminal, so you play on in a "
                        "copy of your own.");
  ASSERT_TRUE(second.Record("look\n", notice));
  ASSERT_TRUE(first.Record("e\n", notice));
  EXPECT_NE(second.LastGame(), held);
  // Undo in the first rewrites its file, still held: a third terminal gets a copy too.
  ASSERT_TRUE(first.Rewrite("s\nw\n", notice));
  progress third(disk, state, "/games/data", kTheData);
  EXPECT_EQ(third.TakeUp(held, notice), "s\nw\n");
  EXPECT_NE(notice, "");
  // Five short games begun beside it remove older ones, never the game held.
  for (int game = 0; game < 6; ++game) {
    progress beside(disk, state, "/games/data", kTheData);
    ASSERT_TRUE(beside.Record("n\n", notice));
  }
  ASSERT_TRUE(first.Record("n\n", notice));
  std::string text;
  ASSERT_FALSE(disk.Read(held, text, progress::kMostSaved));
  EXPECT_EQ(ReadSave(text, {.current = kTheData}).typed, "s\nw\nn\n");
}

// What a hostile or careless player leaves where saves are read: none hangs the game, reads
// without end, is followed, written or overwritten, and each is said in one line.
TEST_F(Progress, FilesThatAreNoSavesAreLeftAsTheyWereAndSaidSoInALine) {
  std::string notice;
  progress game(disk, state, "/games/data", kTheData);
  EXPECT_EQ(game.TakeUp("/dev/zero", notice), "");
  EXPECT_EQ(notice,
            "/dev/zero is no file of its own (a folder, a pipe or a device), so a new one "
            "begins.");
  fs::create_directories(state / "games");
  const fs::path pipe = state / "games" / (HashKey("/games/data") + "-9.save");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(game.TakeUp(pipe, notice), "");
  EXPECT_EQ(notice.find(" is no file of its own"), pipe.string().size()) << notice;
  EXPECT_EQ(Continued(kTheData, notice), "");  // the newest name, but no game
  EXPECT_EQ(notice, "There is no unfinished game to continue here, so a new one begins.");
  const fs::path large = state / "large.save";
  std::ofstream(large) << SaveHeader(kTheData) << std::string(progress::kMostSaved, 's') << "\n";
  EXPECT_EQ(game.TakeUp(large, notice), "");
  EXPECT_EQ(notice, large.string() + " is larger than any saved game (1 MB), so a new one begins.");
  // A link among the games is not followed: the file it leads to stays as it was.
  const fs::path target = state / "elsewhere.save";
  std::ofstream(target) << SaveHeader(kTheData) << "s\n";
  const fs::path link = state / "games" / (HashKey("/games/data") + "-10.save");
  fs::create_symlink(target, link);
  EXPECT_EQ(Continued(kTheData, notice), "");
  EXPECT_EQ(game.TakeUp(link, notice), "s\n");  // named in full, it is read, and copied
  ASSERT_TRUE(game.Record("n\n", notice));
  EXPECT_EQ(Typed(target), SaveHeader(kTheData) + "s\n");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(game.LastGame().filename(), HashKey("/games/data") + "-11.save");
}

// Another data folder's game, a number at the top of the range and what a killed game left.
TEST_F(Progress, GamesAreNeitherMixedNorOverwrittenNorLeftBehind) {
  std::string notice;
  fs::path other;
  {
    progress there(disk, state, "/other/data", kTheData);
    ASSERT_TRUE(there.Record("s\n", notice));
    other = there.LastGame();
  }
  {
    progress here(disk, state, "/games/data", kTheData);
    EXPECT_EQ(here.TakeUp(other, notice), "s\n");
    ASSERT_TRUE(here.Record("n\n", notice));
  }
  EXPECT_EQ(Typed(other), SaveHeader(kTheData, "/other/data") + "s\n");
  EXPECT_EQ(Continued(kTheData, notice), "s\nn\n");
  const std::string prefix = HashKey("/games/data") + "-";
  const fs::path top = state / "games" / (prefix + "18446744073709551615.save");
  std::ofstream(top) << SaveHeader(kTheData) << "w\n";
  std::ofstream(state / "games" / "new-1") << "half a game";
  std::ofstream(state / "games" / (prefix + "notes")) << "no game's name";
  {
    progress next(disk, state, "/games/data", kTheData);
    EXPECT_FALSE(fs::exists(state / "games" / "new-1"));
    ASSERT_TRUE(next.Record("e\n", notice));
    EXPECT_EQ(next.LastGame().filename(), prefix + "2.save");
  }
  EXPECT_EQ(Typed(top), SaveHeader(kTheData) + "w\n");
}

}  // namespace
}  // namespace quillmore
