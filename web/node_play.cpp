// The game under Node plays as it does in a pipe, whatever its streams are: no wrapping, prompt,
// editing or progress. At a terminal, the key wait still takes a single key.

#include <unistd.h>

#include "console/console.h"
#include "console/single_key_mode.h"
#include "game/data_files.h"
#include "game/game.h"
#include "terminal/play.h"

namespace quillmore {

namespace {

class node_terminal : public front_end {
 public:
  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {}
  bool ReadKey(std::istream& in) override {
    const single_key_mode mode(STDIN_FILENO);
    return in.get() != std::istream::traits_type::eof();
  }
  void GameOver() override {}
  int LineWidth() override { return 0; }
};

}  // namespace

int Play(const options& chosen, std::istream& in, std::ostream& out) {
  std::ifstream rooms = OpenDataFile("rooms.txt");
  std::ifstream objects = OpenDataFile("objects.txt");
  std::ifstream people = OpenDataFile("people.txt");
  node_terminal player;
  console io(in, out, isatty(STDIN_FILENO) == 1 ? &player : nullptr);
  if (chosen.resume) {
    io.Line("This build keeps no games, so a new one begins.");
  }
  return PlayGame(io, rooms, objects, people);
}

}  // namespace quillmore
