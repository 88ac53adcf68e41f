#include "game/command_loop.h"

#include "console/console.h"

namespace quillmore {

ending command_loop::Run() {
  // Once input has ended there is nothing more to do: the game ends without a word.
  while (io.ReadWord(commandWord)) {
    switch (CarryOut(CommandFor(commandWord))) {
      case report::kGoOn:
        break;
      case report::kMoved:
        game.DescribeCurrentRoom();
        break;
      case report::kQuit:
        return ending::kQuit;
      case report::kWon:
        return ending::kWon;
    }
  }
  return ending::kInputEnded;
}

}  // namespace quillmore
