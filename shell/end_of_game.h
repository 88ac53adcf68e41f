#ifndef QUILLMORE_SHELL_END_OF_GAME_H_
#define QUILLMORE_SHELL_END_OF_GAME_H_

#include "world/world.h"

// Writes the win line, the side-quest line when every pub drink is carried, and waits for a key.
void EndWonGame(const world& game);

#endif  // QUILLMORE_SHELL_END_OF_GAME_H_
