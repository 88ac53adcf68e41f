#include "shell/end_of_game.h"

#include <iostream>

#include "shell/wait_for_key.h"

void EndWonGame(const world& game) {
  std::cout << std::endl << "YOU'VE WON THE GAME!!!!" << std::endl << std::endl;
  if (game.HasAllPubDrinks()) {
    std::cout << std::endl
              << "You also beat the mini quest: Collect a drink from every Pub!" << std::endl
              << std::endl;
  }
  WaitForKey();
}
