#include "terminal/progress.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "quillmore progress 1\n";

// FNV-1a: enough to tell data folders and versions of data files apart, and stable everywhere.
std::string Key(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char byte : text) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ULL;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

// A write to a file on disk is whole unless the disk is full or failing.
bool WriteAll(int fd, std::string_view text) {
  return write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

// A rename is only safe once the folder holding it has reached the disk too.
void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t count = read(fd, buffer, sizeof buffer); count > 0;
       count = read(fd, buffer, sizeof buffer)) {
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

std::string Reason(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

progress::progress(const fs::path& state, const fs::path& dataFolder, std::string_view dataText)
    : games(state / "games"),
      folderKey(Key(dataFolder.string())),
      folderName(dataFolder.string()),
      dataKey(Key(dataText)) {
  file = games / (folderKey + "-" + dataKey);
}

progress::~progress() {
  Close();
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

std::string progress::TakeUp(std::string& notice) {
  notice.clear();
  const fs::path last = LastGame();
  if (last.empty()) {
    notice = "There is no unfinished game to continue here, so a new one begins.";
    return {};
  }
  // Opened for reading and, from here on, for recording.
  fd = open(last.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  const std::string saved = fd < 0 ? std::string() : ReadAll(fd);
  if (saved.rfind(std::string(kMagic) + "folder " + folderName + "\ndata ", 0) != 0) {
    notice = "The last game here could not be read (" + last.string() + "), so a new one begins.";
  } else if (saved.rfind(Header(), 0) != 0) {
    notice =
        "The data files have changed since the last game here, so a new one begins; the old "
        "one is kept.";
  }
  if (!notice.empty()) {
    Close();
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
  fs::path last;
  fs::file_time_type newest;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(games, error)) {
    const std::string name = entry.path().filename().string();
    const fs::file_time_type written = entry.last_write_time(error);
    if (!error && name.rfind(folderKey + "-", 0) == 0 && (last.empty() || written > newest)) {
      last = entry.path();
      newest = written;
    }
  }
  return last;
}

bool progress::Record(std::string_view typed, std::string& notice) {
  if (failed) {
    return false;
  }
  const bool recorded = fd >= 0 ? WriteAll(fd, typed) && fdatasync(fd) == 0 : Start(typed);
  if (!recorded) {
    notice = "Your progress cannot be kept (" + Reason(file.c_str()) + ").";
    failed = true;
    Close();
  }
  return recorded;
}

// Writes the new game's file beside the old one and puts it in its place in one step.
bool progress::Start(std::string_view typed) {
  std::error_code error;
  fs::create_directories(games, error);
  fs::permissions(games, fs::perms::owner_all, error);  // what a player typed is his own
  const fs::path fresh = games / ("new-" + std::to_string(getpid()));
  fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const bool written = fd >= 0 && WriteAll(fd, Header()) && WriteAll(fd, typed) && fsync(fd) == 0 &&
                       rename(fresh.c_str(), file.c_str()) == 0;
  if (!written) {
    unlink(fresh.c_str());
    return false;
  }
  SyncFolder(games);
  return true;
}

void progress::Close() {
  if (fd >= 0) {
    close(fd);
    fd = -1;
  }
}

void progress::Finish() {
  if (fd >= 0) {
    Close();
    unlink(file.c_str());
  }
  failed = true;
}

}  // namespace quillmore
