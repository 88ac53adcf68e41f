#ifndef QUILLMORE_TOOLS_STUDIO_PIPED_PLAY_H_
#define QUILLMORE_TOOLS_STUDIO_PIPED_PLAY_H_

#include <string>
#include <vector>

namespace quillmore {

// A whole game played as if its lines were piped in, cut where the game comes to read each line:
// `said[0]` is what it wrote before it read the first, `said[i]` what it wrote once it had read
// line i (counted from 1) until it came to the next, or until it ended. A game that ends before
// it reads every line has fewer pieces than lines + 1: the lines past its end were never read.
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
