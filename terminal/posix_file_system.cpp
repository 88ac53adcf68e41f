#include "terminal/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// The error of the last system call when `succeeded` is false.
std::error_code Checked(bool succeeded) {
  return succeeded ? std::error_code() : std::error_code(errno, std::generic_category());
}

std::error_code Error(std::errc code) {
  return std::make_error_code(code);
}

// A descriptor closed when it goes out of scope, unless handed on.
class descriptor {
 public:
  explicit descriptor(int fd) : fd(fd) {}
  ~descriptor() {
    if (fd >= 0) {
      close(fd);
    }
  }
  descriptor(const descriptor&) = delete;
  descriptor& operator=(const descriptor&) = delete;
  int get() const { return fd; }
  int release() { return std::exchange(fd, -1); }

 private:
  int fd;
};

class posix_file : public appendable_file {
 public:
  explicit posix_file(int fd) : fd(fd) {}
  ~posix_file() override { close(fd); }  // and with it the lock
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

// A folder is is_a_directory; a pipe, a device or a socket no file to read or keep.
std::error_code RegularFile(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) {
    return Error(std::errc::is_a_directory);
  }
  return S_ISREG(status.st_mode) ? std::error_code() : Error(file_system::kNotAFile);
}

// Holds the file open on `fd`, once it is sure that `file` still names it: a game that renamed
// a new file over it meanwhile holds that one.
std::error_code Hold(int fd, const fs::path& file) {
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    return errno == EWOULDBLOCK ? Error(file_system::kHeldElsewhere) : Checked(false);
  }
  struct stat held {};
  struct stat named {};
  const bool same = fstat(fd, &held) == 0 && lstat(file.c_str(), &named) == 0 &&
                    held.st_ino == named.st_ino && held.st_dev == named.st_dev;
  return same ? std::error_code() : Error(file_system::kHeldElsewhere);
}

// Opens a file to add to it, held, without waiting on a pipe and without following a link.
std::error_code Open(const fs::path& file, int flags, std::unique_ptr<appendable_file>& opened) {
  opened = nullptr;
  constexpr mode_t kOwnerOnly = 0600;  // what a player typed is his own
  descriptor fd(
      open(file.c_str(), flags | O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kOwnerOnly));
  struct stat status {};
  std::error_code error = Checked(fd.get() >= 0 && fstat(fd.get(), &status) == 0);
  error = error ? error : RegularFile(status);
  error = error ? error : Hold(fd.get(), file);
  if (!error) {
    opened = std::make_unique<posix_file>(fd.release());
  }
  return error;
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
    const bool regular = found.is_regular_file(gone) && !found.is_symlink(gone);
    if (!gone) {
      files.push_back({found.path().filename().string(), regular});
    }
  }
  return error;
}

// A pipe is opened without waiting for a writer, and then refused unread. A file that nobody may
// read is not read, not even by the superuser, who could open it: a player's data folder means
// what it would mean to the player.
std::error_code posix_file_system::Read(const fs::path& file, std::string& text, std::size_t most) {
  text.clear();
  descriptor fd(open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  std::error_code error = Checked(fd.get() >= 0 && fstat(fd.get(), &status) == 0);
  error = error ? error : RegularFile(status);
  if (!error && (status.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0) {
    error = std::make_error_code(std::errc::permission_denied);
  }
  if (!error && static_cast<std::size_t>(status.st_size) > most) {
    error = Error(kTooLarge);
  }
  char buffer[4096];
  ssize_t count = error ? 0 : read(fd.get(), buffer, sizeof buffer);
  for (; count > 0 && text.size() <= most; count = read(fd.get(), buffer, sizeof buffer)) {
    text.append(buffer, static_cast<std::size_t>(count));
  }
  error = error ? error : Checked(count >= 0);
  error = error || text.size() <= most ? error : Error(kTooLarge);  // it grew while it was read
  if (error) {
    text.clear();
  }
  return error;
}

std::error_code posix_file_system::Create(const fs::path& file,
                                          std::unique_ptr<appendable_file>& opened) {
  return Open(file, O_CREAT | O_EXCL, opened);
}

std::error_code posix_file_system::OpenToAppend(const fs::path& file,
                                                std::unique_ptr<appendable_file>& opened) {
  return Open(file, O_APPEND, opened);
}

std::error_code posix_file_system::Rename(const fs::path& from, const fs::path& to) {
  return Checked(rename(from.c_str(), to.c_str()) == 0);
}

std::error_code posix_file_system::RenameToNew(const fs::path& from, const fs::path& to) {
  return Checked(renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0);
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

std::string posix_file_system::ProcessMark() {
  return std::to_string(getpid());
}

}  // namespace quillmore
