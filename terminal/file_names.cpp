#include "terminal/file_names.h"

#include "console/visible_text.h"

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// A folder a variable names; only a whole path counts.
fs::path FolderIn(platform& system, const char* variable) {
  const std::string folder = system.Environment(variable);
  return folder.starts_with('/') ? fs::path(folder) : fs::path();
}

}  // namespace

fs::path NamedFile(platform& system, const std::string& typed) {
  const fs::path home = FolderIn(system, "HOME");
  if (typed.starts_with("~/") && !home.empty()) {
    return home / typed.substr(2);
  }
  const fs::path startedIn = FolderIn(system, "QUILLMORE_STARTED_IN");
  return (startedIn.empty() ? system.WorkingFolder() : startedIn) / typed;
}

std::string TypeableName(platform& system, const fs::path& file) {
  const fs::path home = FolderIn(system, "HOME");
  const fs::path inHome = file.lexically_relative(home);
  if (home.empty() || inHome.empty() || *inHome.begin() == "..") {
    return Visible(file.string());
  }
  return Visible("~/" + inHome.string());
}

fs::path StateFolder(platform& system) {
  const fs::path state = FolderIn(system, "XDG_STATE_HOME");
  if (!state.empty()) {
    return state / "quillmore";
  }
  const fs::path home = FolderIn(system, "HOME");
  return home.empty() ? fs::path() : home / ".local" / "state" / "quillmore";
}

}  // namespace quillmore
