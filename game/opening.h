#ifndef QUILLMORE_GAME_OPENING_H_
#define QUILLMORE_GAME_OPENING_H_

namespace quillmore {

class console;

// Writes the title banner and the opening story, which ends on an empty line.
void WriteOpening(console& io);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_OPENING_H_
