#ifndef QUILLMORE_GAME_HELP_H_
#define QUILLMORE_GAME_HELP_H_

namespace quillmore {

class console;

// Writes the list of commands.
void WriteHelp(console& io);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_HELP_H_
