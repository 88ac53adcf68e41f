#include "game/data_files.h"

#include <limits>
#include <system_error>

#include "console/file_system.h"
#include "game/save_format.h"

namespace quillmore {

data_texts ReadDataFiles(file_system& disk, const std::filesystem::path& folder) {
  data_texts data;
  for (const data_file which : kDataFiles) {
    data_text& read = data.Of(which);
    // Data files are as large as their author makes them.
    const std::error_code error =
        disk.Read(folder / FileName(which), read.text, std::numeric_limits<std::size_t>::max());
    if (error) {
      read.fault = error == std::errc::no_such_file_or_directory ? file_fault::kMissing
                                                                 : file_fault::kUnreadable;
    }
  }
  return data;
}

std::string DataFilesKey(const data_texts& data) {
  return DataKey(data.Of(data_file::kRooms).text, data.Of(data_file::kPeople).text,
                 data.Of(data_file::kObjects).text);
}

}  // namespace quillmore
