#include "terminal/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// The error of the last system call when `succeeded` is false.
std::error_code Checked(bool succeeded) {
  return succeeded ? std::error_code() : std::error_code(errno, std::generic_category());
}

class posix_file : public appendable_file {
 public:
  explicit posix_file(int fd) : fd(fd) {}
  ~posix_file() override { close(fd); }
  posix_file(const posix_file&) = delete;
  posix_file& operator=(const posix_file&) = delete;

  // A write to a file on disk is whole unless it fails, or the disk is full: the error a write
  // cut short leaves in place.
  std::error_code Append(std::string_view text) override {
    errno = ENOSPC;
    return Checked(write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()));
  }
  std::error_code Sync() override { return Checked(fdatasync(fd) == 0); }

 private:
  int fd;
};

std::error_code Open(const fs::path& file, int flags, std::unique_ptr<appendable_file>& opened) {
  constexpr mode_t kOwnerOnly = 0600;  // what a player typed is his own
  const int fd = open(file.c_str(), flags | O_CLOEXEC, kOwnerOnly);
  opened = fd >= 0 ? std::make_unique<posix_file>(fd) : nullptr;
  return Checked(fd >= 0);
}

}  // namespace

// Each folder made is a new name in the folder above it, which must reach the disk too.
std::error_code posix_file_system::MakeFolder(const fs::path& folder) {
  std::vector<fs::path> made;
  std::error_code error;
  for (fs::path missing = folder; !missing.empty() && !fs::exists(missing, error);
       missing = missing.parent_path()) {
    made.push_back(missing);
  }
  fs::create_directories(folder, error);
  if (!error) {
    fs::permissions(folder, fs::perms::owner_all, error);
  }
  for (const fs::path& each : made) {
    error = error ? error : SyncFolder(each.has_parent_path() ? each.parent_path() : ".");
  }
  return error;
}

std::error_code posix_file_system::List(const fs::path& folder, std::vector<entry>& files) {
  files.clear();
  std::error_code error;
  for (const fs::directory_entry& found : fs::directory_iterator(folder, error)) {
    std::error_code gone;  // a file removed meanwhile is not listed
    const fs::file_time_type modified = found.last_write_time(gone);
    if (!gone) {
      files.push_back({found.path().filename().string(), modified});
    }
  }
  return error;
}

// A file that nobody may read is not read, not even by the superuser, who could open it: a
// player's data folder means what it would mean to the player.
std::error_code posix_file_system::Read(const fs::path& file, std::string& text) {
  text.clear();
  int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (fd >= 0 && fstat(fd, &status) == 0 && (status.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0) {
    close(fd);
    fd = -1;
    errno = EACCES;
  }
  char buffer[4096];
  ssize_t count = fd >= 0 ? read(fd, buffer, sizeof buffer) : -1;
  for (; count > 0; count = read(fd, buffer, sizeof buffer)) {
    text.append(buffer, static_cast<std::size_t>(count));
  }
  const std::error_code error = Checked(count == 0);
  if (fd >= 0) {
    close(fd);
  }
  return error;
}

std::error_code posix_file_system::Create(const fs::path& file,
                                          std::unique_ptr<appendable_file>& opened) {
  return Open(file, O_WRONLY | O_CREAT | O_TRUNC, opened);
}

std::error_code posix_file_system::OpenToAppend(const fs::path& file,
                                                std::unique_ptr<appendable_file>& opened) {
  return Open(file, O_WRONLY | O_APPEND, opened);
}

std::error_code posix_file_system::Rename(const fs::path& from, const fs::path& to) {
  return Checked(rename(from.c_str(), to.c_str()) == 0);
}

std::error_code posix_file_system::Remove(const fs::path& file) {
  return Checked(unlink(file.c_str()) == 0);
}

std::error_code posix_file_system::SyncFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const std::error_code error = Checked(fd >= 0 && fsync(fd) == 0);
  if (fd >= 0) {
    close(fd);
  }
  return error;
}

}  // namespace quillmore
