#include "game/end_of_game.h"

#include "console/console.h"
#include "world/world.h"

namespace quillmore {

void EndWonGame(const world& game, console& io) {
  io.Line();
  io.Line("YOU'VE WON THE GAME!!!!");
  io.Line();
  if (game.HasAllPubDrinks()) {
    io.Line();
    io.Line("You also beat the mini quest: Collect a drink from every Pub!");
    io.Line();
  }
  io.Text("Press any key to continue . . . ");
  io.Flush();
  io.ReadKey();
  io.EndLine();
}

}  // namespace quillmore
