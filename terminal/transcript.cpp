#include "terminal/transcript.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotKeep = "Your transcript cannot be kept (";
constexpr std::string_view kEnding = ".txt";
// A transcript's name before any copy number and its ending: d stands for a digit.
constexpr std::string_view kShape = "dddd-dd-dd-dddddd";

// When a transcript was started, from its name, and which copy of that second it is.
struct stamp {
  std::string_view when;
  unsigned copy = 1;
  auto operator<=>(const stamp&) const = default;
};

bool ReadStamp(std::string_view name, stamp& read) {
  if (!name.ends_with(kEnding) || name.size() < kShape.size() + kEnding.size()) {
    return false;
  }
  for (std::size_t at = 0; at < kShape.size(); ++at) {
    const bool digit = std::isdigit(static_cast<unsigned char>(name[at])) != 0;
    if (kShape[at] == 'd' ? !digit : name[at] != kShape[at]) {
      return false;
    }
  }
  read.when = name.substr(0, kShape.size());
  std::string_view copy = name.substr(kShape.size(), name.size() - kShape.size() - kEnding.size());
  read.copy = 1;
  if (copy.empty()) {
    return true;
  }
  if (!copy.starts_with('-')) {
    return false;
  }
  copy.remove_prefix(1);
  const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), read.copy);
  return error == std::errc() && end == copy.data() + copy.size() && read.copy > 1;
}

}  // namespace

std::string TranscriptName(const std::tm& started, unsigned copy) {
  char when[sizeof "2026-12-07-231502"];
  std::strftime(when, sizeof when, "%Y-%m-%d-%H%M%S", &started);
  std::string name(when);
  if (copy > 1) {
    name.append("-").append(std::to_string(copy));
  }
  return name.append(kEnding);
}

std::vector<std::string> OldTranscripts(std::vector<std::string> names, std::string_view current,
                                        std::size_t kept) {
  std::vector<std::pair<stamp, std::string>> transcripts;
  for (std::string& name : names) {
    stamp read;
    if (ReadStamp(name, read)) {
      transcripts.emplace_back(read, std::move(name));
    }
  }
  std::sort(transcripts.begin(), transcripts.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> old;
  for (std::size_t at = 0; at + kept < transcripts.size(); ++at) {
    if (transcripts[at].second != current) {
      old.push_back(std::move(transcripts[at].second));
    }
  }
  return old;
}

transcript::transcript(file_system& disk, fs::path chosen) : disk(disk), file(std::move(chosen)) {}

transcript::transcript(file_system& disk, fs::path folder, const std::tm& started, std::size_t kept)
    : disk(disk), folder(std::move(folder)), started(started), kept(kept) {}

void transcript::Add(std::string_view text) {
  if (!failed) {
    pending.append(text);
  }
}

bool transcript::Keep(std::string& notice) {
  if (failed) {
    return false;
  }
  std::error_code error;
  if (open == nullptr) {
    error = folder.empty() ? Open() : OpenInFolder();
  }
  if (!error && !pending.empty()) {
    error = open->Append(pending);
    if (!error) {
      error = open->Sync();
    }
  }
  pending.clear();
  if (error) {
    notice = kCannotKeep + (file.empty() ? folder : file).string() + ": " + error.message() + ").";
    failed = true;
    open.reset();
  }
  return !error;
}

// The file chosen: added to when it is there, made when it is not.
std::error_code transcript::Open() {
  std::error_code error = disk.OpenToAppend(file, open);
  if (error != std::errc::no_such_file_or_directory) {
    return error;
  }
  error = disk.Create(file, open);
  if (!error) {
    error = disk.SyncFolder(file.has_parent_path() ? file.parent_path() : fs::path("."));
  }
  return error;
}

// A new file named after when the game started, once its name is on the disk; then the oldest
// beyond those kept are removed.
std::error_code transcript::OpenInFolder() {
  std::error_code error = disk.MakeFolder(folder);
  std::vector<file_system::entry> files;
  if (!error) {
    error = disk.List(folder, files);
  }
  std::vector<std::string> names;
  names.reserve(files.size() + 1);
  for (file_system::entry& each : files) {
    names.push_back(std::move(each.name));
  }
  std::string name = TranscriptName(started);
  for (unsigned copy = 2; std::find(names.begin(), names.end(), name) != names.end(); ++copy) {
    name = TranscriptName(started, copy);
  }
  file = folder / name;
  if (!error) {
    error = disk.Create(file, open);
  }
  if (!error) {
    error = disk.SyncFolder(folder);
  }
  if (!error) {
    names.push_back(name);
    for (const std::string& old : OldTranscripts(std::move(names), name, kept)) {
      disk.Remove(folder / old);
    }
  }
  return error;
}

}  // namespace quillmore
