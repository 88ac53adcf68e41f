#include "shell/command_loop.h"

#include "shell/end_of_game.h"
#include "world/player_input.h"

void command_loop::Run() {
  while (!done) {
    // Once input has ended there is nothing more to do: the game ends without a word.
    if (!ReadWord(commandWord)) {
      return;
    }
    CarryOut(CommandFor(commandWord));
    if (movePending) {
      movePending = false;
      if (game.Move(direction) != nullptr) {
        game.DescribeCurrentRoom();
      }
    }
    if (won) {
      EndWonGame(game);
      done = true;
    }
  }
}
