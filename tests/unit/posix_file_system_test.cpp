#include "terminal/posix_file_system.h"

#include <gtest/gtest.h>
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
    EXPECT_FALSE(disk.Read(file, text));
    return text;
  }

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
  // Renamed, it stays open; opened again, it is added to.
  ASSERT_FALSE(disk.Rename(games / "new", games / "game"));
  ASSERT_FALSE(file->Append("w\n"));
  file.reset();
  ASSERT_FALSE(disk.OpenToAppend(games / "game", file));
  ASSERT_FALSE(file->Append("n\n"));
  EXPECT_EQ(Text(games / "game"), "s\nw\nn\n");
  std::vector<file_system::entry> files;
  ASSERT_FALSE(disk.List(games, files));
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files.front().name, "game");
  EXPECT_EQ(files.front().modified, fs::last_write_time(games / "game"));
  // Created again, a file begins empty.
  ASSERT_FALSE(disk.Create(games / "game", file));
  EXPECT_EQ(Text(games / "game"), "");
  ASSERT_FALSE(disk.Remove(games / "game"));
  EXPECT_FALSE(fs::exists(games / "game"));
  EXPECT_FALSE(disk.SyncFolder(games));
}

TEST_F(PosixFileSystem, SaysWhyACallFailed) {
  const fs::path none = folder / "none";
  std::string text = "left over";
  std::unique_ptr<appendable_file> file;
  std::vector<file_system::entry> files;
  EXPECT_EQ(disk.Read(none, text), std::errc::no_such_file_or_directory);
  EXPECT_EQ(text, "");
  EXPECT_EQ(disk.Read(folder, text), std::errc::is_a_directory);
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

}  // namespace
}  // namespace quillmore
