#ifndef QUILLMORE_TOOLS_CHECK_SILENT_PLAYER_H_
#define QUILLMORE_TOOLS_CHECK_SILENT_PLAYER_H_

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>

#include "game/command_loop.h"
#include "world/world.h"

namespace quillmore {

// Plays typed lines on a world through the game's own command loop, saying nothing.
class silent_player {
 public:
  // Returns what the command left the game to do; `read` is how much of `typed` it read.
  command_loop::report Play(world& game, const std::string& typed, std::size_t& read);

 private:
  std::istringstream in;
  std::ostream unheard{nullptr};
};

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_SILENT_PLAYER_H_
