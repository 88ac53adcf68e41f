#include "game/progress.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

#include "console/visible_text.h"
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
constexpr const char* kNotAFile =
    "{file} is no file of its own (a folder, a pipe or a device), so a new one begins.";
constexpr const char* kTooLarge =
    "{file} is larger than any saved game (1 MB), so a new one begins.";
constexpr const char* kNoSave = "{file} is no saved game of Quillmore, so a new one begins.";
constexpr const char* kOtherData = "{file} was saved on other data files, so a new one begins.";
constexpr const char* kPlayedElsewhere =
    "{file} is being played in another terminal, so you play on in a copy of your own.";
constexpr const char* kCannotKeep = "Your progress cannot be kept ({file}: {error}).";

constexpr std::string_view kSaveEnding = ".save";
constexpr std::string_view kLeftover = "new-";
// A number beyond any a player reaches, so that the next one never wraps: a larger one is no
// number the game gave.
constexpr std::uint64_t kLargestNumber = 1'000'000'000'000;
// Other games take numbers too; one that took the same at the same moment is passed by.
constexpr int kTriesForANumber = 100;

void Fill(std::string& line, std::string_view placeholder, const std::string& text) {
  const std::size_t at = line.find(placeholder);
  if (at != std::string::npos) {
    line.replace(at, placeholder.size(), text);
  }
}

std::string Said(std::string_view line, const fs::path& file, const std::string& error = {}) {
  std::string said(line);
  Fill(said, "{file}", Visible(file.string()));
  Fill(said, "{error}", error);
  return said;
}

// The number of a game's file named "KEY-N.save" after the data folder's key; 0 for any other
// name, such as those of the files kept before games were numbered.
std::uint64_t Number(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || !name.ends_with(kSaveEnding)) {
    return 0;
  }
  name.remove_prefix(prefix.size());
  name.remove_suffix(kSaveEnding.size());
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  const bool whole = error == std::errc() && end == name.data() + name.size();
  return whole && number <= kLargestNumber ? number : 0;
}

// Why a save cannot be taken up, in one line; empty when it can.
std::string Refusal(const fs::path& saved, bool last, std::error_code error, save_verdict verdict) {
  if (error == file_system::kNotAFile || error == std::errc::is_a_directory) {
    return Said(kNotAFile, saved);
  }
  if (error == file_system::kTooLarge) {
    return Said(kTooLarge, saved);
  }
  if (last && (error || verdict == save_verdict::kUnreadable)) {
    return Said(kLastUnreadable, saved);
  }
  if (error) {
    return Said(kFileUnreadable, saved, error.message());
  }
  if (verdict == save_verdict::kUnreadable) {
    return Said(kNoSave, saved);
  }
  if (verdict == save_verdict::kOtherData) {
    return last ? kDataChanged : Said(kOtherData, saved);
  }
  return {};
}

}  // namespace

progress::progress(file_system& disk, const fs::path& state, const fs::path& dataFolder,
                   std::string_view dataKey)
    : disk(disk),
      games(state / "games"),
      folderKey(HashKey(dataFolder.string())),
      folderName(dataFolder.string()),
      dataKey(dataKey) {
  RemoveLeftovers();
}

// The names of this data folder's games, the oldest first: only regular files, unless `all`.
std::vector<std::string> progress::Games(bool all) const {
  std::vector<file_system::entry> files;
  disk.List(games, files);  // no folder, no game
  const std::string prefix = folderKey + "-";
  std::vector<std::pair<std::uint64_t, std::string>> numbered;
  for (file_system::entry& each : files) {
    if ((all || each.regular) && each.name.starts_with(prefix)) {
      numbered.emplace_back(Number(each.name, prefix), std::move(each.name));
    }
  }
  std::sort(numbered.begin(), numbered.end());
  std::vector<std::string> names;
  names.reserve(numbered.size());
  for (auto& [number, name] : numbered) {
    names.push_back(std::move(name));
  }
  return names;
}

fs::path progress::LastGame() const {
  const std::vector<std::string> names = Games();
  return names.empty() ? fs::path() : games / names.back();
}

std::string progress::TakeUp(std::string& notice) {
  notice.clear();
  const fs::path last = LastGame();
  if (last.empty()) {
    notice = kNoGame;
    return {};
  }
  return TakeUpFile(last, true, notice);
}

std::string progress::TakeUp(const fs::path& saved, std::string& notice) {
  notice.clear();
  return TakeUpFile(saved, false, notice);
}

// A game of this folder's is held before it is read, so that what is read is all there is; it is
// then played on in its own file, unless another terminal holds it or it cannot be added to. Any
// other save is left as it was, and the game goes on in a new file of its own once a line is
// typed. Lines are added to the game's file as they are typed, unless a power cut left a line of
// it cut short: then the file is made anew with the first line typed.
std::string progress::TakeUpFile(const fs::path& saved, bool last, std::string& notice) {
  std::unique_ptr<appendable_file> held;
  const std::error_code holding =
      Ours(saved) ? disk.OpenToAppend(saved, held) : std::make_error_code(std::errc::not_supported);
  std::string text;
  const std::error_code error = disk.Read(saved, text, kMostSaved);
  save_reading read = ReadSave(text, {.current = dataKey});
  notice = Refusal(saved, last, error, read.verdict);
  if (!notice.empty()) {
    return {};
  }
  if (holding == file_system::kHeldElsewhere) {
    notice = Said(kPlayedElsewhere, saved);
  }
  if (holding) {
    before = read.typed;
    return std::move(read.typed);
  }
  file = saved;
  open = std::move(held);
  takenUpTranscript = read.transcript;
  rewriteFirst = !text.ends_with('\n');
  before = rewriteFirst ? read.typed : std::string();
  return std::move(read.typed);
}

bool progress::Ours(const fs::path& saved) const {
  const std::string name = saved.filename().string();
  return saved.lexically_normal().parent_path() == games.lexically_normal() &&
         name.starts_with(folderKey + "-") && name.ends_with(kSaveEnding);
}

bool progress::Record(std::string_view typed, std::string& notice) {
  if (failed) {
    return false;
  }
  std::error_code error;
  if (open != nullptr && !rewriteFirst) {
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
    disk.Remove(file);  // should it come back after a power cut, it is the game before
    open.reset();
  }
  file.clear();
  before.clear();
  rewriteFirst = false;
  return true;
}

void progress::Finish() {
  if (!file.empty()) {
    disk.Remove(file);
    open.reset();
  }
  failed = true;
}

void progress::Forget() {
  takenUpTranscript.clear();
  open.reset();
  file.clear();
  before.clear();
  rewriteFirst = false;
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

// Writes the game's whole file beside its place, held, and puts it there in one step once it is
// on the disk, so that a power cut leaves the old file or the new one whole; the old one is let go
// only then. A game without a file yet gets the next number of its data folder's.
std::error_code progress::Replace(std::string_view typed) {
  const fs::path fresh = games / (std::string(kLeftover) + disk.ProcessMark());
  std::unique_ptr<appendable_file> written;
  std::error_code error = disk.MakeFolder(games);
  if (!error) {
    disk.Remove(fresh);  // one a killed game of the same number left
    error = disk.Create(fresh, written);
  }
  if (!error) {
    error = Append(*written, SaveHeader(dataKey, folderName, transcript) + std::string(typed));
  }
  if (!error) {
    error = Put(fresh);
  }
  if (error) {
    written.reset();
    disk.Remove(fresh);
    return error;
  }
  open = std::move(written);
  before.clear();
  rewriteFirst = false;
  error = disk.SyncFolder(games);
  if (!error) {
    Prune();
  }
  return error;
}

// Puts the file written aside in the game's place: over its old file, or under the next number,
// which a game begun beside this one may have taken a moment before.
std::error_code progress::Put(const fs::path& fresh) {
  if (!file.empty()) {
    return disk.Rename(fresh, file);
  }
  std::error_code error = std::make_error_code(std::errc::file_exists);
  for (int tries = 0; error == std::errc::file_exists && tries < kTriesForANumber; ++tries) {
    const std::vector<std::string> names = Games(true);
    const std::string prefix = folderKey + "-";
    const std::uint64_t last = names.empty() ? 0 : Number(names.back(), prefix);
    const fs::path next = games / (prefix + std::to_string(last + 1) + std::string(kSaveEnding));
    error = disk.RenameToNew(fresh, next);
    if (!error) {
      file = next;
    }
  }
  return error;
}

// Keeps the newest kGamesKept games of this data folder, this one among them, and every one
// another terminal holds.
void progress::Prune() {
  std::vector<std::string> names = Games();
  std::erase_if(names, [this](const std::string& name) { return games / name == file; });
  for (std::size_t old = 0; old + (kGamesKept - 1) < names.size(); ++old) {
    std::unique_ptr<appendable_file> held;
    if (!disk.OpenToAppend(games / names[old], held)) {
      disk.Remove(games / names[old]);
    }
  }
}

// A game killed while it rewrote its file leaves the file it wrote aside; one still being
// written is held.
void progress::RemoveLeftovers() {
  std::vector<file_system::entry> files;
  disk.List(games, files);
  for (const file_system::entry& each : files) {
    std::unique_ptr<appendable_file> held;
    if (each.name.starts_with(kLeftover) && !disk.OpenToAppend(games / each.name, held)) {
      disk.Remove(games / each.name);
    }
  }
}

}  // namespace quillmore
