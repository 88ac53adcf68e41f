#include "terminal/progress.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "quillmore progress 1\n";
constexpr std::size_t kKeyDigits = 16;

// FNV-1a: enough to tell data folders and versions of data files apart, and stable everywhere.
std::string Key(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char byte : text) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ULL;
  }
  char hex[kKeyDigits + 1];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

}  // namespace

progress::progress(file_system& disk, const fs::path& state, const fs::path& dataFolder,
                   std::string_view dataText)
    : disk(disk),
      games(state / "games"),
      folderKey(Key(dataFolder.string())),
      folderName(dataFolder.string()),
      dataKey(Key(dataText)) {
  file = games / (folderKey + "-" + dataKey);
}

fs::path progress::StateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') {
    return fs::path(state) / "quillmore";
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/') {
    return fs::path(home) / ".local" / "state" / "quillmore";
  }
  return {};
}

std::string progress::Header() const {
  return std::string(kMagic) + "folder " + folderName + "\ndata " + dataKey + "\n\n";
}

// A header as Header writes one, for this data folder and any version of its data files.
bool progress::Readable(std::string_view saved) const {
  const std::string start = std::string(kMagic) + "folder " + folderName + "\ndata ";
  if (!saved.starts_with(start)) {
    return false;
  }
  const std::string_view key = saved.substr(start.size(), kKeyDigits);
  return key.size() == kKeyDigits &&
         key.find_first_not_of("0123456789abcdef") == std::string_view::npos &&
         saved.substr(start.size() + kKeyDigits).starts_with("\n\n");
}

std::string progress::TakeUp(std::string& notice) {
  notice.clear();
  const fs::path last = LastGame();
  if (last.empty()) {
    notice = "There is no unfinished game to continue here, so a new one begins.";
    return {};
  }
  std::string saved;
  if (disk.Read(last, saved) || !Readable(saved) || disk.OpenToAppend(last, open)) {
    notice = "The last game here could not be read (" + last.string() + "), so a new one begins.";
  } else if (!saved.starts_with(Header())) {
    notice =
        "The data files have changed since the last game here, so a new one begins; the old "
        "one is kept.";
  }
  if (!notice.empty()) {
    open.reset();
    return {};
  }
  file = last;
  // A line cut short by a crash was never read by the game.
  std::string typed = saved.substr(Header().size());
  const std::size_t lastLineEnd = typed.rfind('\n');
  typed.erase(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
  return typed;
}

// The last game played here: the newest file of this data folder, whatever its data.
fs::path progress::LastGame() const {
  std::vector<file_system::entry> files;
  disk.List(games, files);  // no folder, no game
  const file_system::entry* last = nullptr;
  for (const file_system::entry& each : files) {
    if (each.name.starts_with(folderKey + "-") &&
        (last == nullptr || each.modified > last->modified)) {
      last = &each;
    }
  }
  return last == nullptr ? fs::path() : games / last->name;
}

bool progress::Record(std::string_view typed, std::string& notice) {
  if (failed) {
    return false;
  }
  const std::error_code error = open != nullptr ? Append(typed) : Start(typed);
  if (error) {
    notice = "Your progress cannot be kept (" + file.string() + ": " + error.message() + ").";
    failed = true;
    open.reset();
  }
  return !error;
}

std::error_code progress::Append(std::string_view typed) {
  const std::error_code error = open->Append(typed);
  return error ? error : open->Sync();
}

// Writes the new game's file beside the old one, and puts it in its place in one step once it
// is on the disk, so that a power cut leaves the one game or the other whole.
std::error_code progress::Start(std::string_view typed) {
  const fs::path fresh = games / ("new-" + std::to_string(getpid()));
  std::error_code error = disk.MakeFolder(games);
  if (!error) {
    error = disk.Create(fresh, open);
  }
  if (!error) {
    error = Append(Header() + std::string(typed));
  }
  if (!error) {
    error = disk.Rename(fresh, file);
  }
  if (error) {
    open.reset();
    disk.Remove(fresh);
    return error;
  }
  return disk.SyncFolder(games);
}

void progress::Finish() {
  if (open != nullptr) {
    open.reset();
    disk.Remove(file);
  }
  failed = true;
}

}  // namespace quillmore
