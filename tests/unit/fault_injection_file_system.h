#ifndef QUILLMORE_TESTS_UNIT_FAULT_INJECTION_FILE_SYSTEM_H_
#define QUILLMORE_TESTS_UNIT_FAULT_INJECTION_FILE_SYSTEM_H_

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "console/file_system.h"

namespace quillmore {

// A disk in memory that remembers what was made to survive a power cut and what was not, and can
// cut the power between any two calls, as LevelDB's fault-injection Env does. It keeps the
// promises of file_system.h and no more: a file's bytes survive once synced, a folder's names
// once the folder is synced, folders once made. Files only grow; Create makes a new file. A file
// open to append is held until it is closed or the power goes, so that two games on one disk play
// as two terminals would. Every file is regular; `Special` makes a name that is not.
class fault_injection_file_system : public file_system {
 public:
  // Of what had not been made to survive when the power went, what reached the disk all the
  // same. Names change on the disk in the order they were changed, bytes arrive in order.
  struct survivors {
    std::size_t folderChanges = 0;  // the first this many name changes of each folder
    std::size_t bytes = 0;          // the first this many bytes appended to each file
  };

  // The power goes just before call number `call` (counted from 0 over every call of the disk
  // and of the files open on it): that call and every later one fail, since the machine is off,
  // until PowerOn. What survives is what had been made to, and `kept`.
  void CutPowerAt(int call, survivors keep);
  bool PowerWasCut() const { return off; }
  // Files opened before the power went stay closed.
  void PowerOn() { off = false; }
  // A name in a folder that is no regular file, as a pipe or a link would be.
  void Special(const std::filesystem::path& name);
  // Every call made, one line each ("rename /s/new-1 /s/game"), for a failing test to show.
  const std::vector<std::string>& Calls() const { return calls; }

  std::error_code MakeFolder(const std::filesystem::path& folder) override;
  std::error_code List(const std::filesystem::path& folder, std::vector<entry>& files) override;
  std::error_code Read(const std::filesystem::path& file, std::string& text,
                       std::size_t most) override;
  std::error_code Create(const std::filesystem::path& file,
                         std::unique_ptr<appendable_file>& opened) override;
  std::error_code OpenToAppend(const std::filesystem::path& file,
                               std::unique_ptr<appendable_file>& opened) override;
  std::error_code Rename(const std::filesystem::path& from,
                         const std::filesystem::path& to) override;
  std::error_code RenameToNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) override;
  std::error_code Remove(const std::filesystem::path& file) override;
  std::error_code SyncFolder(const std::filesystem::path& folder) override;
  std::string ProcessMark() override;

 private:
  class open_file;

  // A file's bytes; the first `durable` of them survive a power cut. `holder` is the open file
  // that holds it, if any.
  struct contents {
    std::string bytes;
    std::size_t durable = 0;
    const appendable_file* holder = nullptr;
    bool regular = true;
  };
  // A change of one name in a folder: made (no `from`), removed (no `to`) or renamed.
  struct change {
    std::string from;
    std::string to;
    int file = -1;
  };
  // A folder's names, each of a file by number: those there now, those that survive a power cut,
  // and the changes from the one to the other.
  struct folder {
    std::map<std::string, int> names;
    std::map<std::string, int> durable;
    std::vector<change> pending;
  };

  // Counts a call; the error is the machine being off.
  std::error_code Call(const std::string& what);
  void CutPower();
  std::error_code Change(const std::filesystem::path& folder, change made);
  // The file of that path, or -1 with the error.
  int Find(const std::filesystem::path& file, std::error_code& error) const;
  std::error_code Open(int file, const std::filesystem::path& path,
                       std::unique_ptr<appendable_file>& opened);

  std::map<std::filesystem::path, folder> folders;
  std::vector<contents> files;
  std::vector<std::string> calls;
  int boot = 0;  // each power cut starts a new one
  bool off = false;
  int cutAt = -1;
  survivors kept;
};

}  // namespace quillmore

#endif  // QUILLMORE_TESTS_UNIT_FAULT_INJECTION_FILE_SYSTEM_H_
