// Quillmore under Node: plays as the native game does in a pipe, whatever its streams are, on
// the data files of the working directory: no wrapping, prompt, editing or progress. At a
// terminal, the key wait at the end of a won game still takes a single key.

#include <iostream>

#include "console/console.h"
#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "game/options.h"
#include "web/node_platform.h"
#include "world/data_files.h"

namespace quillmore {

namespace {

class node_terminal : public front_end {
 public:
  explicit node_terminal(platform& system) : system(system) {}
  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {}
  bool ReadKey(std::istream& in) override {
    const single_key_mode mode(system, kStandardInput);
    return in.get() != std::istream::traits_type::eof();
  }
  void GameOver(ending /*how*/) override {}
  int LineWidth() override { return 0; }

 private:
  platform& system;
};

}  // namespace

}  // namespace quillmore

int main(int argc, char** argv) {
  using namespace quillmore;
  const options chosen = ReadOptions(argc, argv);
  const int status = AnswerOptions(chosen, std::cout);
  if (status != kPlay) {
    return status;
  }
  read_only_file_system disk;
  const data_texts data = ReadDataFiles(disk);
  node_platform system;
  node_terminal player(system);
  console io(std::cin, std::cout, system.IsTerminal(kStandardInput) ? &player : nullptr);
  if (chosen.resume) {
    io.Line("This build keeps no games, so a new one begins.");
  }
  return PlayGame(io, data, std::cerr);
}
