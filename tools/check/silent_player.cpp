#include "tools/check/silent_player.h"

#include "console/console.h"

namespace quillmore {

command_loop::report silent_player::Play(world& game, const std::string& typed, std::size_t& read) {
  in.clear();
  in.str(typed);
  console io(in, unheard);
  const command_loop::report result = command_loop(game, io).StepThrough();
  in.clear();
  const std::streamoff at = in.tellg();
  read = (at < 0 ? typed.size() : static_cast<std::size_t>(at)) - io.Unread();
  return result;
}

}  // namespace quillmore
