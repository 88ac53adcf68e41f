#ifndef QUILLMORE_CONSOLE_FILE_SYSTEM_H_
#define QUILLMORE_CONSOLE_FILE_SYSTEM_H_

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillmore {

// A file open for adding to its end, and held: no other game opens it to add to it, in this
// process or another, until it is closed, which destroying it does.
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
// Files are held by an advisory lock (flock), which only the games themselves respect: one game,
// one writer. Only regular files are read, created or added to, and a link is followed only to a
// file named in full by the player, never from a listing.
//
// What survives a power cut: a folder once MakeFolder has returned; the bytes of a file once
// Sync on it has returned; a name made, renamed or removed in a folder once SyncFolder on that
// folder has returned. Whatever was not yet made to survive may or may not have reached the
// disk: a folder's names change there in the order they were changed, and a file's bytes arrive
// in the order they were appended.
class file_system {
 public:
  // A name in a folder: a regular file's, or another (a link, a folder, a pipe, a device).
  struct entry {
    std::string name;
    bool regular = true;
  };

  // The errors of the calls beyond the system's own.
  static constexpr std::errc kHeldElsewhere = std::errc::resource_unavailable_try_again;
  static constexpr std::errc kNotAFile = std::errc::not_supported;
  static constexpr std::errc kTooLarge = std::errc::file_too_large;

  file_system() = default;
  file_system(const file_system&) = delete;
  file_system& operator=(const file_system&) = delete;
  virtual ~file_system() = default;

  // Makes the folder and any missing above it; the folder itself is then its owner's alone.
  // Once this returns, they survive a power cut.
  virtual std::error_code MakeFolder(const std::filesystem::path& folder) = 0;
  // The names in a folder, in no particular order.
  virtual std::error_code List(const std::filesystem::path& folder, std::vector<entry>& files) = 0;
  // The whole of a regular file of at most `most` bytes: a folder is is_a_directory, anything
  // else that is no regular file kNotAFile (and is not waited on), a larger file kTooLarge.
  virtual std::error_code Read(const std::filesystem::path& file, std::string& text,
                               std::size_t most) = 0;
  // A new, empty file, readable by its owner alone, and held; file_exists when the name is taken.
  virtual std::error_code Create(const std::filesystem::path& file,
                                 std::unique_ptr<appendable_file>& opened) = 0;
  // A regular file that is there, not a link, opened to add to its end and held: kHeldElsewhere
  // when another game holds it, or had it renamed over while this one waited for it.
  virtual std::error_code OpenToAppend(const std::filesystem::path& file,
                                       std::unique_ptr<appendable_file>& opened) = 0;
  // Gives a file another name in the same folder, in place of any file of that name, in one step:
  // a reader finds the one file or the other, never neither. A file opened stays open and held.
  virtual std::error_code Rename(const std::filesystem::path& from,
                                 const std::filesystem::path& to) = 0;
  // The same for a name no file has: file_exists, and nothing changed, when one has.
  virtual std::error_code RenameToNew(const std::filesystem::path& from,
                                      const std::filesystem::path& to) = 0;
  virtual std::error_code Remove(const std::filesystem::path& file) = 0;
  // Returns once the names made, renamed and removed in the folder so far are on the disk.
  virtual std::error_code SyncFolder(const std::filesystem::path& folder) = 0;
  // What no other game running at the same time has, the process's number: a file made to take
  // another's place is named with it, so that two games never write the same one.
  virtual std::string ProcessMark() = 0;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_FILE_SYSTEM_H_
