#ifndef QUILLMORE_TERMINAL_FILE_NAMES_H_
#define QUILLMORE_TERMINAL_FILE_NAMES_H_

#include <filesystem>
#include <string>

#include "console/platform.h"

namespace quillmore {

// A file named on the command line: ~/ is the home folder, as a shell would have it, and a
// relative name is taken from the folder the player started the game in, which the installed
// launcher, moving into the data folder, hands over in QUILLMORE_STARTED_IN.
std::filesystem::path NamedFile(platform& system, const std::string& typed);

// A file's path as the player may type it back: under the home folder, from ~/; its control
// bytes shown as text.
std::string TypeableName(platform& system, const std::filesystem::path& file);

// Where progress, transcripts and the history of commands are kept: $XDG_STATE_HOME/quillmore,
// by default ~/.local/state/quillmore; empty when neither variable names a folder.
std::filesystem::path StateFolder(platform& system);

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_FILE_NAMES_H_
