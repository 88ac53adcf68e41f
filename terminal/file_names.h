#ifndef QUILLMORE_TERMINAL_FILE_NAMES_H_
#define QUILLMORE_TERMINAL_FILE_NAMES_H_

#include <filesystem>
#include <string>

namespace quillmore {

// A file named on the command line: ~/ is the home folder, as a shell would have it, and a
// relative name is taken from the folder the player started the game in, which the installed
// launcher, moving into the data folder, hands over in QUILLMORE_STARTED_IN.
std::filesystem::path NamedFile(const std::string& typed);

// A file's path as the player may type it back: under the home folder, from ~/.
std::string TypeableName(const std::filesystem::path& file);

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_FILE_NAMES_H_
