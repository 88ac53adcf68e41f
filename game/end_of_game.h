#ifndef QUILLMORE_GAME_END_OF_GAME_H_
#define QUILLMORE_GAME_END_OF_GAME_H_

#include "console/task.h"

namespace quillmore {

class console;
class world;

// Writes the story's ending, its lines for every drink when the player carries them all, and
// waits for a key: on a terminal a single key press without Enter, otherwise one character of
// input or its end. True when a key came.
task<bool> EndWonGame(const world& game, console& io);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_END_OF_GAME_H_
