#include "terminal/file_names.h"

#include <cstdlib>
#include <system_error>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// The home folder, when HOME names one.
fs::path Home() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home == '/' ? fs::path(home) : fs::path();
}

}  // namespace

fs::path NamedFile(const std::string& typed) {
  if (typed.starts_with("~/") && !Home().empty()) {
    return Home() / typed.substr(2);
  }
  const char* startedIn = std::getenv("QUILLMORE_STARTED_IN");
  std::error_code error;
  const fs::path folder =
      startedIn != nullptr && *startedIn == '/' ? fs::path(startedIn) : fs::current_path(error);
  return folder / typed;
}

std::string TypeableName(const fs::path& file) {
  const fs::path home = Home();
  const fs::path inHome = file.lexically_relative(home);
  if (home.empty() || inHome.empty() || *inHome.begin() == "..") {
    return file.string();
  }
  return "~/" + inHome.string();
}

}  // namespace quillmore
