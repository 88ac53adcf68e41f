#ifndef QUILLMORE_CONSOLE_FILE_SYSTEM_H_
#define QUILLMORE_CONSOLE_FILE_SYSTEM_H_

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillmore {

// A file open for adding to its end. Closed when destroyed.
class appendable_file {
 public:
  appendable_file() = default;
  appendable_file(const appendable_file&) = delete;
  appendable_file& operator=(const appendable_file&) = delete;
  virtual ~appendable_file() = default;

  // Adds all of `text` at the end of the file.
  virtual std::error_code Append(std::string_view text) = 0;
  // Returns once every byte appended so far is on the disk.
  virtual std::error_code Sync() = 0;
};

// Everything a front end keeps on disk goes through this one interface, as the terminal goes
// through `platform`: the native game supplies the system's own calls (posix_file_system), a
// test one that records every call and can cut the power between any two of them
// (tests/unit/fault_injection_file_system.h). Paths are whole; every call returns an error,
// empty when it succeeded.
//
// What survives a power cut: a folder once MakeFolder has returned; the bytes of a file once
// Sync on it has returned; a name made, renamed or removed in a folder once SyncFolder on that
// folder has returned. Whatever was not yet made to survive may or may not have reached the
// disk: a folder's names change there in the order they were changed, and a file's bytes arrive
// in the order they were appended.
class file_system {
 public:
  // A file in a folder, and when its bytes last changed.
  struct entry {
    std::string name;
    std::filesystem::file_time_type modified;
  };

  file_system() = default;
  file_system(const file_system&) = delete;
  file_system& operator=(const file_system&) = delete;
  virtual ~file_system() = default;

  // Makes the folder and any missing above it; the folder itself is then its owner's alone.
  // Once this returns, they survive a power cut.
  virtual std::error_code MakeFolder(const std::filesystem::path& folder) = 0;
  // The files in a folder, in no particular order.
  virtual std::error_code List(const std::filesystem::path& folder, std::vector<entry>& files) = 0;
  // The whole of a file.
  virtual std::error_code Read(const std::filesystem::path& file, std::string& text) = 0;
  // A new, empty file, readable by its owner alone, in place of any file of that name.
  virtual std::error_code Create(const std::filesystem::path& file,
                                 std::unique_ptr<appendable_file>& opened) = 0;
  // A file that is there, opened to add to its end.
  virtual std::error_code OpenToAppend(const std::filesystem::path& file,
                                       std::unique_ptr<appendable_file>& opened) = 0;
  // Gives a file another name in the same folder, in place of any file of that name, in one step:
  // a reader finds the one file or the other, never neither. A file opened stays open.
  virtual std::error_code Rename(const std::filesystem::path& from,
                                 const std::filesystem::path& to) = 0;
  virtual std::error_code Remove(const std::filesystem::path& file) = 0;
  // Returns once the names made, renamed and removed in the folder so far are on the disk.
  virtual std::error_code SyncFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_FILE_SYSTEM_H_
