#ifndef QUILLMORE_GAME_DATA_FILES_H_
#define QUILLMORE_GAME_DATA_FILES_H_

#include <fstream>
#include <string>

namespace quillmore {

// Opens a data file of the working directory for reading. A file that cannot be read (missing,
// a directory, or with no read permission for anyone) gives a failed stream, which the loader
// reports.
std::ifstream OpenDataFile(const char* name);

// The key of the three data files of the working directory (DataKey in save_format.h): what
// tells one version of the game's data from another. A file that cannot be read counts as empty.
std::string DataFilesKey();

}  // namespace quillmore

#endif  // QUILLMORE_GAME_DATA_FILES_H_
