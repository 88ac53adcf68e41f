#include "game/data_files.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "game/save_format.h"
#include "world/data_files.h"

namespace quillmore {

namespace {

// A directory opens like a file but reads as empty, and the superuser opens files nobody may
// read, so both are told apart by what the file system says.
bool Readable(const char* name) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(name, error);
  if (error || fs::is_directory(status)) {
    return false;
  }
  const fs::perms anyRead = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  return (status.permissions() & anyRead) != fs::perms::none;
}

}  // namespace

std::ifstream OpenDataFile(const char* name) {
  std::ifstream file(name);
  if (file.is_open() && !Readable(name)) {
    file.setstate(std::ios::failbit);
  }
  return file;
}

std::string DataFilesKey() {
  std::string texts[kDataFileCount];
  for (const data_file which : kDataFiles) {
    std::ifstream file = OpenDataFile(FileName(which));
    std::ostringstream contents;
    contents << file.rdbuf();  // a file that cannot be read adds nothing
    texts[static_cast<int>(which)] = contents.str();
  }
  return DataKey(texts[static_cast<int>(data_file::kRooms)],
                 texts[static_cast<int>(data_file::kPeople)],
                 texts[static_cast<int>(data_file::kObjects)]);
}

}  // namespace quillmore
