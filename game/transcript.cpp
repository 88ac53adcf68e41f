#include "game/transcript.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "console/visible_text.h"

namespace quillmore {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotKeep = "Your transcript cannot be kept (";
constexpr std::string_view kEnding = ".txt";
// A transcript's name after its number: d stands for a digit.
constexpr std::string_view kShape = "-dddd-dd-dd-dddddd";
// Other games number theirs too; one that took the same number at the same moment is passed by.
constexpr int kTriesForANumber = 100;

bool HasShape(std::string_view text, std::string_view shape) {
  if (text.size() != shape.size()) {
    return false;
  }
  for (std::size_t at = 0; at < shape.size(); ++at) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[at])) != 0;
    if (shape[at] == 'd' ? !digit : text[at] != shape[at]) {
      return false;
    }
  }
  return true;
}

// A number beyond any a player reaches, so that the next one never wraps: a larger one is no
// number the game gave.
constexpr std::uint64_t kLargestNumber = 1'000'000'000'000;

// The number of a transcript's name; 0 for any other name.
std::uint64_t Number(std::string_view name) {
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  const std::string_view rest = name.substr(static_cast<std::size_t>(end - name.data()));
  const bool shaped =
      rest.ends_with(kEnding) && HasShape(rest.substr(0, rest.size() - kEnding.size()), kShape);
  return error == std::errc() && shaped && number <= kLargestNumber ? number : 0;
}

}  // namespace

std::string TranscriptName(std::uint64_t number, const std::tm& started) {
  // Each field at most its width, whatever the clock says, so that the name keeps its shape.
  const auto field = [](int value, int limit) { return std::abs(value) % limit; };
  char name[sizeof "18446744073709551615-2026-12-07-231502.txt"];
  std::snprintf(name, sizeof name, "%llu-%04d-%02d-%02d-%02d%02d%02d.txt",
                static_cast<unsigned long long>(number), field(started.tm_year + 1900, 10000),
                field(started.tm_mon + 1, 100), field(started.tm_mday, 100),
                field(started.tm_hour, 100), field(started.tm_min, 100),
                field(started.tm_sec, 100));
  return name;
}

bool IsTranscriptName(std::string_view name) {
  return Number(name) > 0;
}

std::vector<std::string> OldTranscripts(std::vector<std::string> names, std::string_view current,
                                        std::size_t kept) {
  std::vector<std::pair<std::uint64_t, std::string>> transcripts;
  for (std::string& name : names) {
    const std::uint64_t number = Number(name);
    if (number > 0) {
      transcripts.emplace_back(number, std::move(name));
    }
  }
  std::sort(transcripts.begin(), transcripts.end());
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
    notice = kCannotKeep + Visible((file.empty() ? folder : file).string()) + ": " +
             error.message() + ").";
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

// A new file under the next number, once its name is on the disk; then the oldest beyond those
// kept are removed.
std::error_code transcript::OpenInFolder() {
  std::error_code error = disk.MakeFolder(folder);
  std::vector<std::string> names;
  std::string name;
  for (int tries = 0; !error && open == nullptr && tries < kTriesForANumber; ++tries) {
    std::vector<file_system::entry> files;
    error = disk.List(folder, files);
    names.clear();
    std::uint64_t last = 0;
    for (file_system::entry& each : files) {
      last = std::max(last, Number(each.name));
      names.push_back(std::move(each.name));
    }
    name = TranscriptName(last + 1, started);
    file = folder / name;
    error = error ? error : disk.Create(file, open);
    error = error == std::errc::file_exists ? std::error_code() : error;
  }
  error = error || open != nullptr ? error : std::make_error_code(std::errc::file_exists);
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
