#include "terminal/terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quillmore {
namespace {

// A terminal of a fixed width that nobody types at.
class fixed_terminal : public platform {
 public:
  bool IsTerminal(int /*fd*/) override { return true; }
  int TerminalWidth(int /*fd*/) override { return width; }
  bool EnterSingleKeyMode(int /*fd*/) override { return false; }
  void LeaveSingleKeyMode(int /*fd*/) override {}
  std::size_t ReadSome(int /*fd*/, char* /*into*/, std::size_t /*most*/) override { return 0; }

  int width = 0;
};

// Sets COLUMNS, or unsets it, for as long as it lives.
class columns_set {
 public:
  explicit columns_set(const char* value) {
    const char* before = std::getenv("COLUMNS");
    if (before != nullptr) {
      saved = before;
    }
    value != nullptr ? setenv("COLUMNS", value, 1) : unsetenv("COLUMNS");
  }
  ~columns_set() { saved ? setenv("COLUMNS", saved->c_str(), 1) : unsetenv("COLUMNS"); }
  columns_set(const columns_set&) = delete;
  columns_set& operator=(const columns_set&) = delete;

 private:
  std::optional<std::string> saved;
};

TEST(Terminal, WrapsAtTheTerminalsWidthElseAtColumnsElseAt80) {
  fixed_terminal system;
  system.width = 100;
  {
    const columns_set columns("60");
    EXPECT_EQ(LineWidth(system), 100);
    system.width = 0;  // a terminal that cannot tell
    EXPECT_EQ(LineWidth(system), 60);
  }
  for (const char* columns : {static_cast<const char*>(nullptr), "", "wide", "0"}) {
    const columns_set unusable(columns);
    EXPECT_EQ(LineWidth(system), 80) << (columns != nullptr ? columns : "unset");
  }
}

}  // namespace
}  // namespace quillmore
