#include "terminal/line_editor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillmore {
namespace {

namespace fs = std::filesystem;

// The entries of a history file as libedit writes it: a line of its own, then one entry a line.
std::vector<std::string> Entries(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> entries;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    entries.push_back(line);
  }
  return entries;
}

// Lines read from a file instead of a terminal: without editing, but into the history all the
// same.
TEST(LineEditor, KeepsTheLast1000LinesOfTheHistoryEachOnceInARow) {
  const fs::path folder =
      fs::temp_directory_path() / ("quillmore-history-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path history = folder / "history";
  {
    std::ofstream earlier(history);
    earlier << "_HiStOrY_V2_\n";
    for (int i = 1; i <= 1005; ++i) {
      earlier << "go" << i << "\n";
    }
  }
  std::ofstream(folder / "typed") << "inventory\ninventory\nlook\n";
  std::FILE* in = std::fopen((folder / "typed").c_str(), "r");
  std::FILE* out = std::fopen("/dev/null", "w");
  {
    line_editor editor(in, out, history, [](std::string_view) { return completion{}; });
    std::string line;
    std::vector<std::string> read;
    while (editor.ReadLine("> ", line)) {
      read.push_back(line);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"inventory\n", "inventory\n", "look\n"}));
  }
  std::fclose(in);
  std::fclose(out);
  const std::vector<std::string> kept = Entries(history);
  fs::remove_all(folder);
  ASSERT_EQ(kept.size(), 1000u);
  EXPECT_EQ(kept.front(), "go8");
  EXPECT_EQ(kept[kept.size() - 3], "go1005");
  EXPECT_EQ(kept[kept.size() - 2], "inventory");
  EXPECT_EQ(kept.back(), "look");
}

}  // namespace
}  // namespace quillmore
