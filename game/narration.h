#ifndef QUILLMORE_GAME_NARRATION_H_
#define QUILLMORE_GAME_NARRATION_H_

#include <string_view>

#include "console/console.h"
#include "game/messages.h"
#include "world/happening.h"
#include "world/world.h"

namespace quillmore {

// Says what happened in the game's exact words: an action's outcome, a room, an object, the
// inventory. `typed` holds the names as the player typed them, which the messages quote.
void Narrate(console& io, const world& game, const happening& what, const quoted& typed = {});
void Narrate(console& io, const world& game, const happenings& log, const quoted& typed = {});

// The block shown on entering a room and by a plain look: an empty line, the name, the
// description and the detail, an empty line, then what lies here and who stands here.
void DescribeRoom(console& io, const world& game, int place);
// An empty line, the object's name, its description and an empty line.
void DescribeObject(console& io, const world& game, int item);
void ShowInventory(console& io, const world& game);

// Writes the text as it stands, ending a line at each line end in it.
void Say(console& io, std::string_view text);
void Say(console& io, message which, const quoted& names = {});

}  // namespace quillmore

#endif  // QUILLMORE_GAME_NARRATION_H_
