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
struct data_text {
  std::string text;
  bool present = true;
};

// Plays one whole game through PlayGame on a console over strings: the player types `input`, and
// what the game writes is caught. With `earlier`, the game is a continued one: it first replays
// what was typed in an earlier run, then reads `input`.
game_run PlayWithStreams(const std::string& input, const data_text& rooms, const data_text& people,
                         const data_text& objects, const std::string* earlier = nullptr);

// Reads a whole file; aborts when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// When `holds` is false: reports the broken invariant with the output and aborts, so that
// libFuzzer records the input as a crash.
void Require(bool holds, const char* invariant, const game_run& run);

// True when every byte of `output` is a printable ASCII character, a line feed, or occurs in one
// of `sources`: the game writes nothing else.
bool BytesComeFrom(const std::string& output, std::initializer_list<const std::string*> sources);

#endif  // QUILLMORE_FUZZ_GAME_HARNESS_H_
