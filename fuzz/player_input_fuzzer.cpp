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

// A game continued halfway, at a line end, is the same game. Played up to there alone, it writes
// the start of what the whole game writes, and nothing after its input ends; continued from
// there, it shows where the player stands and then writes the rest of it.
void RequireTheSameGameContinued(const std::string& input, const game_run& whole) {
  const std::size_t half = input.rfind('\n', input.size() / 2);
  if (half == std::string::npos) {
    return;
  }
  const std::string earlier = input.substr(0, half + 1);
  const game_run upToHalf = PlayWithStreams(earlier, rooms, people, objects);
  Require(whole.output.compare(0, upToHalf.output.size(), upToHalf.output) == 0,
          "a game whose input ends halfway writes the start of the whole game", upToHalf);
  const game_run continued =
      PlayWithStreams(input.substr(half + 1), rooms, people, objects, &earlier);
  Require(EndsWith(continued.output, whole.output.substr(upToHalf.output.size())),
          "a game continued halfway writes the rest of the whole game", continued);
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
  RequireTheSameGameContinued(input, run);
  return 0;
}
