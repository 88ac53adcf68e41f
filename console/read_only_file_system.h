#ifndef QUILLMORE_CONSOLE_READ_ONLY_FILE_SYSTEM_H_
#define QUILLMORE_CONSOLE_READ_ONLY_FILE_SYSTEM_H_

#include "console/file_system.h"

namespace quillmore {

// The file system of a program that keeps nothing on disk, such as the tools and the Node build:
// it reads whole files, as the standard library reads them, and refuses everything else. Like
// the terminal's, it reads no directory and no file that nobody may read.
class read_only_file_system : public file_system {
 public:
  std::error_code Read(const std::filesystem::path& file, std::string& text,
                       std::size_t most) override;

  std::error_code MakeFolder(const std::filesystem::path& folder) override;
  std::error_code List(const std::filesystem::path& folder, std::vector<entry>& files) override;
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
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_READ_ONLY_FILE_SYSTEM_H_
