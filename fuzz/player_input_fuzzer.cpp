// Fuzzes what the player types: the bytes are the whole of standard input to one game on the
// shipped data. Checks the invariants that hold for any input.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/game_harness.h"

namespace {

data_text rooms;
data_text people;
data_text objects;
// Everything written before the first read: the banner, the opening and the park.
std::string opening;

const char kGoodbye[] = "\nGoodbye!\n\n";
const char kWon[] = "YOU'VE WON THE GAME!!!!\n";
const char kKeyWait[] = "Press any key to continue . . . \n";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  const std::string folder = QUILLMORE_SHIPPED_DATA;
  rooms.text = ReadWholeFile(folder + "/rooms.txt");
  people.text = ReadWholeFile(folder + "/people.txt");
  objects.text = ReadWholeFile(folder + "/objects.txt");
  const game_run silent = PlayWithStreams("", rooms, people, objects);
  Require(silent.status == 0 && !silent.output.empty(), "the shipped data plays", silent);
  opening = silent.output;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const game_run run = PlayWithStreams(input, rooms, people, objects);

  Require(run.status == 0, "the game ends with exit status 0", run);
  Require(run.output.compare(0, opening.size(), opening) == 0,
          "the banner, the opening and the park come first", run);
  Require(EndsWith(run.output, "\n"), "every line is ended", run);
  Require(BytesComeFrom(run.output, {&input, &rooms.text, &people.text, &objects.text}),
          "no byte is written that neither the game, its data nor the player wrote (no NUL)", run);
  // The game stops by itself only on quit and on a win; otherwise it reads to the end.
  const bool quit = EndsWith(run.output, kGoodbye);
  const bool won = EndsWith(run.output, kKeyWait);
  Require(quit || won || run.inputRead == input.size(),
          "the game reads all its input unless it was quit or won", run);
  Require(won == (run.output.find(kWon) != std::string::npos),
          "a won game ends with the key wait, and only a won game", run);
  return 0;
}
