#ifndef QUILLMORE_GAME_COMPLETION_H_
#define QUILLMORE_GAME_COMPLETION_H_

#include <string_view>

#include "console/completion.h"
#include "console/front_end.h"
#include "world/world.h"

namespace quillmore {

// The commands, directions and names that fit where the line stands, when the game waits for
// `what`, with their exact capitals, so that "look PH" is offered "photo slip". On a command line
// that is the command words, and after get, drop, give, talk and look the names that command takes:
// objects here, carried, either, or people here. A name matches when it begins with the typed
// text, or failing that contains it, in any case.
completion Complete(const world& game, wanted what, std::string_view line);

// Names are matched as they are spelled, by what part of them is typed. When `typed` matches no
// name that may stand where the game waits for `what`, and exactly one in any capitals: `typed`
// with that name's capitals ("Sean" for "sean"). Else empty.
std::string SpelledName(const world& game, wanted what, std::string_view typed);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_COMPLETION_H_
