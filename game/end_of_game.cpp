#include "game/end_of_game.h"

#include "game/narration.h"
#include "story/rules.h"

namespace quillmore {

task<bool> EndWonGame(const world& game, console& io) {
  Say(io, game.Story()->ending);
  if (HasAllPubDrinks(game)) {
    Say(io, game.Story()->everyDrink);
  }
  Say(io, message::kPressAnyKey);
  io.Flush();
  const bool pressed = co_await io.ReadKey();
  io.EndLine();
  co_return pressed;
}

}  // namespace quillmore
