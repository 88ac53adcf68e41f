#ifndef QUILLMORE_GAME_OPTIONS_H_
#define QUILLMORE_GAME_OPTIONS_H_

namespace quillmore {

// What the player asked for on the command line. Arguments that are no options are ignored, as
// the game always has.
struct options {
  bool resume = false;   // --continue, -c: take up the last unfinished game on this data
  bool plain = false;    // --plain: no wrapping, prompt, editing or progress, even at a terminal
  bool help = false;     // --help
  bool version = false;  // --version
  bool wrong = false;    // an option the game does not know; getopt has said which, on one line
};

options ReadOptions(int argc, char** argv);

// What --help prints.
extern const char* const kUsage;

}  // namespace quillmore

#endif  // QUILLMORE_GAME_OPTIONS_H_
