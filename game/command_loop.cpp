#include "game/command_loop.h"

namespace quillmore {

command_loop::report command_loop::Run() {
  report last = Step();
  while (last == report::kGoOn) {
    last = Step();
  }
  return last;
}

// Once input has ended there is nothing more to do: the game ends without a word.
command_loop::report command_loop::Step() {
  if (!io.ReadWord(commandWord)) {
    return report::kInputEnded;
  }
  return CarryOut(CommandFor(commandWord));
}

}  // namespace quillmore
