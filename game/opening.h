#ifndef QUILLMORE_GAME_OPENING_H_
#define QUILLMORE_GAME_OPENING_H_

#include <string_view>

namespace quillmore {

class console;

// Writes the title banner, the story's opening and the way to the list of commands, which ends
// on an empty line.
void WriteOpening(console& io, std::string_view story);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_OPENING_H_
