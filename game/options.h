#ifndef QUILLMORE_GAME_OPTIONS_H_
#define QUILLMORE_GAME_OPTIONS_H_

#include <ostream>
#include <string>

namespace quillmore {

// What the player asked for on the command line. Arguments that are no options are ignored, as
// the game always has.
struct options {
  bool resume = false;         // --continue, -c: take up the last unfinished game on this data
  std::string resumeFrom;      // --continue=FILE: take up the game saved in FILE instead
  std::string transcriptFile;  // --transcript FILE: keep the transcript there
  bool plain = false;          // --plain: no wrapping, prompt, editing, progress or transcript
  bool help = false;           // --help
  bool version = false;        // --version
  bool wrong = false;          // an option the game does not know; ReadOptions has said which
};

// Reads the options; one the game does not know is refused on standard error, in one line.
options ReadOptions(int argc, char** argv);

// The line that refuses the option getopt_long has just stopped at, with getopt's own messages
// turned off (opterr = 0) and ':' first in its short options: `code` is what it returned and
// `before` optind before the call. Names the option as typed and `program`'s --help.
std::string RefusedOption(const char* program, int code, int before, char** argv);

// Answers the options that need no game: writes the help or the version to `out`. Returns the
// status to exit with, or kPlay when a game is to be played: no status a game exits with.
constexpr int kPlay = -2;
int AnswerOptions(const options& chosen, std::ostream& out);

// What --help prints.
extern const char* const kUsage;

}  // namespace quillmore

#endif  // QUILLMORE_GAME_OPTIONS_H_
