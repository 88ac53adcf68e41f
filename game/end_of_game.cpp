#include "game/end_of_game.h"

#include "game/narration.h"
#include "story/rules.h"

namespace quillmore {

void EndWonGame(const world& game, console& io) {
  Say(io, message::kWon);
  if (HasAllPubDrinks(game)) {
    Say(io, message::kAllPubDrinks);
  }
  Say(io, message::kPressAnyKey);
  io.Flush();
  io.ReadKey();
  io.EndLine();
}

}  // namespace quillmore
