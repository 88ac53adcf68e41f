#include "game/command_loop.h"

namespace quillmore {

ending command_loop::Run() {
  for (;;) {
    switch (Step()) {
      case report::kGoOn:
        break;
      case report::kQuit:
        return ending::kQuit;
      case report::kWon:
        return ending::kWon;
      case report::kInputEnded:
        return ending::kInputEnded;
    }
  }
}

// Once input has ended there is nothing more to do: the game ends without a word.
command_loop::report command_loop::Step() {
  if (!io.ReadWord(commandWord)) {
    return report::kInputEnded;
  }
  return CarryOut(CommandFor(commandWord));
}

}  // namespace quillmore
