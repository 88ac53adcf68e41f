#ifndef QUILLMORE_TERMINAL_PLAY_H_
#define QUILLMORE_TERMINAL_PLAY_H_

#include <istream>
#include <ostream>

#include "console/platform.h"
#include "game/options.h"

namespace quillmore {

// Plays one game on the standard streams, given as `in` and `out`, with the data files of the
// working directory, with the comforts of a terminal where the player sits at one and the
// options allow. Returns the exit status.
int Play(const options& chosen, platform& system, std::istream& in, std::ostream& out);

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_PLAY_H_
