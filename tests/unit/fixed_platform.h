#ifndef QUILLMORE_TESTS_UNIT_FIXED_PLATFORM_H_
#define QUILLMORE_TESTS_UNIT_FIXED_PLATFORM_H_

#include <ctime>
#include <filesystem>
#include <map>
#include <string>

#include "console/platform.h"

namespace quillmore {

// A terminal nobody types at, of a width the test chooses, with an environment, a working folder
// and a clock that stands still until the test moves it.
class fixed_platform : public platform {
 public:
  bool IsTerminal(int /*fd*/) override { return terminal; }
  int TerminalWidth(int /*fd*/) override { return width; }
  bool EnterSingleKeyMode(int /*fd*/) override { return false; }
  void LeaveSingleKeyMode(int /*fd*/) override {}
  std::size_t ReadSome(int /*fd*/, char* /*into*/, std::size_t /*most*/) override { return 0; }
  std::string Environment(const char* name) override {
    const auto found = environment.find(name);
    return found == environment.end() ? "" : found->second;
  }
  std::filesystem::path WorkingFolder() override { return workingFolder; }
  std::tm Now() override { return now; }

  bool terminal = true;
  int width = 0;
  std::map<std::string, std::string> environment;
  std::filesystem::path workingFolder = "/games/data";
  std::tm now{};
};

// 2026-12-DAY at HOUR:00:00.
inline std::tm At(int day, int hour) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = day;
  when.tm_hour = hour;
  return when;
}

}  // namespace quillmore

#endif  // QUILLMORE_TESTS_UNIT_FIXED_PLATFORM_H_
