#include "terminal/progress.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>
#include <vector>

#include "game/save_format.h"

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// The lines progress says, {file} standing for a file's path and {error} for why.
constexpr const char* kNoGame =
    "There is no unfinished game to continue here, so a new one begins.";
constexpr const char* kLastUnreadable =
    "The last game here could not be read ({file}), so a new one begins.";
constexpr const char* kDataChanged =
    "The data files have changed since the last game here, so a new one begins; the old one is "
    "kept.";
constexpr const char* kFileUnreadable =
    "The saved game {file} could not be read ({error}), so a new one begins.";
constexpr const char* kNoSave = "{file} is no saved game of Quillmore, so a new one begins.";
constexpr const char* kOtherData = "{file} was saved on other data files, so a new one begins.";
constexpr const char* kCannotKeep = "Your progress cannot be kept ({file}: {error}).";

constexpr std::string_view kSaveEnding = ".save";

void Fill(std::string& line, std::string_view placeholder, const std::string& text) {
  const std::size_t at = line.find(placeholder);
  if (at != std::string::npos) {
    line.replace(at, placeholder.size(), text);
  }
}

std::string Said(std::string_view line, const fs::path& file, const std::string& error = {}) {
  std::string said(line);
  Fill(said, "{file}", file.string());
  Fill(said, "{error}", error);
  return said;
}

// The number of a game's file named "KEY-N.save" after the data folder's key; 0 for any other
// name, such as those of the files kept before games were numbered.
unsigned long Number(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || !name.ends_with(kSaveEnding)) {
    return 0;
  }
  name.remove_prefix(prefix.size());
  name.remove_suffix(kSaveEnding.size());
  unsigned long number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  return error == std::errc() && end == name.data() + name.size() ? number : 0;
}

}  // namespace

progress::progress(file_system& disk, const fs::path& state, const fs::path& dataFolder,
                   std::string_view dataKey)
    : disk(disk),
      games(state / "games"),
      folderKey(HashKey(dataFolder.string())),
      folderName(dataFolder.string()),
      dataKey(dataKey) {}

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

// The newest file of this data folder, whatever its data.
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

std::string progress::TakeUp(std::string& notice) {
  notice.clear();
  const fs::path last = LastGame();
  if (last.empty()) {
    notice = kNoGame;
    return {};
  }
  std::string text;
  const std::error_code error = disk.Read(last, text);
  save_reading read = ReadSave(text, {.current = dataKey});
  if (error || read.verdict == save_verdict::kUnreadable) {
    notice = Said(kLastUnreadable, last);
  } else if (read.verdict == save_verdict::kOtherData) {
    notice = kDataChanged;
  }
  return notice.empty() ? GoOnIn(last, text, std::move(read.typed)) : std::string();
}

std::string progress::TakeUp(const fs::path& saved, std::string& notice) {
  notice.clear();
  std::string text;
  const std::error_code error = disk.Read(saved, text);
  save_reading read = ReadSave(text, {.current = dataKey});
  if (error) {
    notice = Said(kFileUnreadable, saved, error.message());
  } else if (read.verdict == save_verdict::kUnreadable) {
    notice = Said(kNoSave, saved);
  } else if (read.verdict == save_verdict::kOtherData) {
    notice = Said(kOtherData, saved);
  } else if (!Ours(saved)) {
    before = read.typed;  // a new file of its own once the game goes on
    return read.typed;
  }
  return notice.empty() ? GoOnIn(saved, text, std::move(read.typed)) : std::string();
}

// Goes on in a game file of this folder's. Lines are added to it as they are typed, unless a
// power cut left a line of it cut short: then the file is made anew with the first line typed.
std::string progress::GoOnIn(const fs::path& saved, std::string_view text, std::string typed) {
  file = saved;
  if (!text.ends_with('\n') || disk.OpenToAppend(saved, open)) {
    open.reset();
    before = typed;
  }
  return typed;
}

bool progress::Ours(const fs::path& saved) const {
  return saved.lexically_normal().parent_path() == games.lexically_normal();
}

bool progress::Record(std::string_view typed, std::string& notice) {
  if (failed) {
    return false;
  }
  std::error_code error;
  if (open != nullptr) {
    error = Append(*open, typed);
  } else {
    error = Replace(before + std::string(typed));
  }
  return !Failed(error, notice);
}

bool progress::Rewrite(std::string_view typed, std::string& notice) {
  if (failed) {
    return false;
  }
  if (!typed.empty()) {
    return !Failed(Replace(typed), notice);
  }
  if (!file.empty()) {
    open.reset();
    disk.Remove(file);  // should it come back after a power cut, it is the game before
  }
  file.clear();
  before.clear();
  return true;
}

void progress::Finish() {
  if (!file.empty()) {
    open.reset();
    disk.Remove(file);
  }
  failed = true;
}

bool progress::Failed(std::error_code error, std::string& notice) {
  if (!error) {
    return false;
  }
  notice = Said(kCannotKeep, file.empty() ? games : file, error.message());
  failed = true;
  open.reset();
  return true;
}

std::error_code progress::Append(appendable_file& to, std::string_view typed) {
  const std::error_code error = to.Append(typed);
  return error ? error : to.Sync();
}

// Writes the game's whole file beside its place, and puts it there in one step once it is on the
// disk, so that a power cut leaves the old file or the new one whole. A game without a file yet
// gets the next number of its data folder's.
std::error_code progress::Replace(std::string_view typed) {
  const fs::path fresh = games / ("new-" + std::to_string(getpid()));
  std::unique_ptr<appendable_file> written;
  std::error_code error = disk.MakeFolder(games);
  const fs::path target = file.empty() ? NextFile() : file;
  if (!error) {
    error = disk.Create(fresh, written);
  }
  if (!error) {
    error = Append(*written, SaveHeader(dataKey, folderName) + std::string(typed));
  }
  if (!error) {
    error = disk.Rename(fresh, target);
  }
  if (error) {
    written.reset();
    disk.Remove(fresh);
    return error;
  }
  file = target;
  open = std::move(written);
  before.clear();
  error = disk.SyncFolder(games);
  if (!error) {
    Prune();
  }
  return error;
}

fs::path progress::NextFile() const {
  std::vector<file_system::entry> files;
  disk.List(games, files);
  unsigned long last = 0;
  for (const file_system::entry& each : files) {
    last = std::max(last, Number(each.name, folderKey + "-"));
  }
  return games / (folderKey + "-" + std::to_string(last + 1) + std::string(kSaveEnding));
}

// Keeps the newest kGamesKept games of this data folder, this one among them.
void progress::Prune() {
  std::vector<file_system::entry> files;
  disk.List(games, files);
  std::erase_if(files, [this](const file_system::entry& each) {
    return !each.name.starts_with(folderKey + "-") || games / each.name == file;
  });
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.modified > b.modified; });
  for (std::size_t old = kGamesKept - 1; old < files.size(); ++old) {
    disk.Remove(games / files[old].name);
  }
}

}  // namespace quillmore
