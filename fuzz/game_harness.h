#ifndef QUILLMORE_FUZZ_GAME_HARNESS_H_
#define QUILLMORE_FUZZ_GAME_HARNESS_H_

#include <cstddef>
#include <initializer_list>
#include <string>

// What one whole game did.
struct game_run {
  int status = 0;
  std::string output;
  // How many bytes of standard input the game read.
  std::size_t inputRead = 0;
};

// One data file: its text, or missing (the stream starts failed, as for a file that cannot be
// opened).
struct data_file {
  std::string text;
  bool present = true;
};

// Plays one whole game through PlayGame with standard input taken from `input` and standard
// output caught in a string; the game's own code still reads std::cin and writes std::cout.
game_run PlayWithStreams(const std::string& input, const data_file& rooms, const data_file& people,
                         const data_file& objects);

// Points file descriptor 0 at /dev/null, so that the key wait at the end of a won game never
// finds a terminal. Call once, before the first game.
void DetachTerminal();

// Reads a whole file; aborts when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// When `holds` is false: reports the broken invariant with the output and aborts, so that
// libFuzzer records the input as a crash.
void Require(bool holds, const char* invariant, const game_run& run);

// True when every byte of `output` is a printable ASCII character, a line feed, or occurs in one
// of `sources`: the game writes nothing else.
bool BytesComeFrom(const std::string& output, std::initializer_list<const std::string*> sources);

#endif  // QUILLMORE_FUZZ_GAME_HARNESS_H_
