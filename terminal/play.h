#ifndef QUILLMORE_TERMINAL_PLAY_H_
#define QUILLMORE_TERMINAL_PLAY_H_

#include <ostream>

#include "console/file_system.h"
#include "console/platform.h"
#include "game/options.h"

namespace quillmore {

// Plays one game on standard input, read through `system`, and on `out`, standard output, with
// the data files of the working directory, with the comforts of a terminal where the player sits
// at one and the options allow (a terminal that can only print, TERM=dumb, is played as with
// --plain); progress is kept on `disk`. Returns the exit status.
int Play(const options& given, platform& system, file_system& disk, std::ostream& out);

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_PLAY_H_
