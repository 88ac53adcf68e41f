#include "game/end_of_game.h"

#include "game/narration.h"
#include "story/rules.h"

namespace quillmore {

void EndWonGame(const world& game, console& io) {
  Say(io, game.Story()->ending);
  if (HasAllPubDrinks(game)) {
    Say(io, game.Story()->everyDrink);
  }
  Say(io, message::kPressAnyKey);
  io.Flush();
  io.ReadKey();
  io.EndLine();
}

}  // namespace quillmore
