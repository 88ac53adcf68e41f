#ifndef QUILLMORE_TOOLS_STUDIO_PIPED_PLAY_H_
#define QUILLMORE_TOOLS_STUDIO_PIPED_PLAY_H_

#include <string>
#include <vector>

namespace quillmore {

// A whole game played as if its lines were piped in, cut by the line each piece answers:
// `said[0]` is what the game wrote before it took a byte of the first line, `said[i]` what it
// wrote once it had taken a byte of line i (counted from 1) and before it took one of the next.
// A game that ends before it reads every line has fewer pieces than lines + 1: the lines past
// its end were never read.
struct piped_play {
  int status = 0;
  std::vector<std::string> said;
};

// Plays the game on the data files of `folder` with `lines` typed, byte for byte as the game
// plays piped input. The game is deterministic, so the same files and lines always give the
// same play: a play that grows by a line is the old one played again with one line more.
piped_play PlayPiped(const std::string& folder, const std::vector<std::string>& lines);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_STUDIO_PIPED_PLAY_H_
