#ifndef QUILLMORE_GAME_DATA_FILES_H_
#define QUILLMORE_GAME_DATA_FILES_H_

#include <array>
#include <filesystem>
#include <string>

#include "world/data_files.h"

namespace quillmore {

class file_system;

// Whether a data file could be read. (Not an error code: the page then carries none of the
// machinery that words them.)
enum class file_fault { kNone, kMissing, kUnreadable };

// One data file as read: its text, or that it could not be read.
struct data_text {
  file_fault fault = file_fault::kNone;
  std::string text;

  bool Read() const { return fault == file_fault::kNone; }
  // The folder has no such file: for map.txt and story.txt, the built-in one is played.
  bool Missing() const { return fault == file_fault::kMissing; }
};

// The five data files of a folder, in their one order.
struct data_texts {
  std::array<data_text, kDataFileCount> files;

  data_text& Of(data_file file) { return files[static_cast<std::size_t>(file)]; }
  const data_text& Of(data_file file) const { return files[static_cast<std::size_t>(file)]; }
};

// Reads the five data files of `folder` (the working directory when empty) through the file
// system.
data_texts ReadDataFiles(file_system& disk, const std::filesystem::path& folder = {});

// The key of the three data files every folder has (DataKey in save_format.h): what tells
// one version of the game's data from another. A file that cannot be read counts as empty.
std::string DataFilesKey(const data_texts& data);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_DATA_FILES_H_
