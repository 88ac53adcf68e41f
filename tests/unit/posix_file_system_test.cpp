#include "terminal/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillmore {
namespace {

namespace fs = std::filesystem;

class PosixFileSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("quillmore-disk-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Text(const fs::path& file) {
    std::string text;
    EXPECT_FALSE(disk.Read(file, text, kMost));
    return text;
  }

  static constexpr std::size_t kMost = 100;
  posix_file_system disk;
  fs::path folder;
};

TEST_F(PosixFileSystem, KeepsFilesInFoldersOfTheOwnersAlone) {
  const fs::path games = folder / "state" / "games";
  ASSERT_FALSE(disk.MakeFolder(games));
  EXPECT_EQ(fs::status(games).permissions(), fs::perms::owner_all);
  std::unique_ptr<appendable_file> file;
  ASSERT_FALSE(disk.Create(games / "new", file));
  ASSERT_FALSE(file->Append("s\n"));
  ASSERT_FALSE(file->Sync());
  EXPECT_EQ(fs::status(games / "new").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  // Renamed, it stays open and held; closed and opened again, it is added to.
  ASSERT_FALSE(disk.Rename(games / "new", games / "game"));
  ASSERT_FALSE(file->Append("w\n"));
  std::unique_ptr<appendable_file> second;
  EXPECT_EQ(disk.OpenToAppend(games / "game", second), file_system::kHeldElsewhere);
  file.reset();
  ASSERT_FALSE(disk.OpenToAppend(games / "game", file));
  ASSERT_FALSE(file->Append("n\n"));
  EXPECT_EQ(Text(games / "game"), "s\nw\nn\n");
  // A file renamed over it is the game's now: the one that waited holds nothing.
  ASSERT_FALSE(disk.Create(games / "other", second));
  ASSERT_FALSE(disk.Rename(games / "other", games / "game"));
  std::unique_ptr<appendable_file> old;
  ASSERT_FALSE(disk.Create(games / "old", old));
  std::unique_ptr<appendable_file> third;
  // A name taken is not created again, nor renamed to without being replaced.
  EXPECT_EQ(disk.Create(games / "game", third), std::errc::file_exists);
  EXPECT_EQ(disk.RenameToNew(games / "old", games / "game"), std::errc::file_exists);
  ASSERT_FALSE(disk.RenameToNew(games / "old", games / "newer"));
  std::vector<file_system::entry> files;
  ASSERT_FALSE(disk.List(games, files));
  ASSERT_EQ(files.size(), 2u);
  ASSERT_FALSE(disk.Remove(games / "newer"));
  ASSERT_FALSE(disk.Remove(games / "game"));
  EXPECT_FALSE(fs::exists(games / "game"));
  EXPECT_FALSE(disk.SyncFolder(games));
}

TEST_F(PosixFileSystem, SaysWhyACallFailed) {
  const fs::path none = folder / "none";
  std::string text = "left over";
  std::unique_ptr<appendable_file> file;
  std::vector<file_system::entry> files;
  EXPECT_EQ(disk.Read(none, text, kMost), std::errc::no_such_file_or_directory);
  EXPECT_EQ(text, "");
  EXPECT_EQ(disk.Read(folder, text, kMost), std::errc::is_a_directory);
  EXPECT_EQ(disk.OpenToAppend(none, file), std::errc::no_such_file_or_directory);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(disk.Create(none / "file", file), std::errc::no_such_file_or_directory);
  EXPECT_EQ(disk.Rename(none, folder / "other"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(disk.Remove(none), std::errc::no_such_file_or_directory);
  EXPECT_EQ(disk.SyncFolder(none), std::errc::no_such_file_or_directory);
  EXPECT_EQ(disk.List(none, files), std::errc::no_such_file_or_directory);
  std::ofstream(folder / "plain") << "a file where a folder should be";
  EXPECT_TRUE(disk.MakeFolder(folder / "plain" / "games"));
}

// A pipe, a device, a link or a file too large: none is waited on, read without end or followed.
TEST_F(PosixFileSystem, ReadsAndAddsToRegularFilesOnlyAndWithinBounds) {
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string text;
  std::unique_ptr<appendable_file> file;
  EXPECT_EQ(disk.Read(pipe, text, kMost), file_system::kNotAFile);
  EXPECT_TRUE(disk.OpenToAppend(pipe, file));  // no reader: not waited for either
  EXPECT_EQ(disk.Read("/dev/zero", text, kMost), file_system::kNotAFile);
  EXPECT_EQ(disk.OpenToAppend("/dev/null", file), file_system::kNotAFile);
  std::ofstream(folder / "large") << std::string(kMost + 1, 's');
  EXPECT_EQ(disk.Read(folder / "large", text, kMost), file_system::kTooLarge);
  EXPECT_EQ(text, "");
  EXPECT_FALSE(disk.Read(folder / "large", text, kMost + 1));
  fs::create_symlink(folder / "large", folder / "link");
  EXPECT_EQ(disk.OpenToAppend(folder / "link", file), std::errc::too_many_symbolic_link_levels);
  std::vector<file_system::entry> files;
  ASSERT_FALSE(disk.List(folder, files));
  for (const file_system::entry& each : files) {
    EXPECT_EQ(each.regular, each.name == "large") << each.name;
  }
}

}  // namespace
}  // namespace quillmore
