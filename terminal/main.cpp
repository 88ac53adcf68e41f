// Quillmore: a text adventure in the streets of Cork. Reads its three data files from the working
// directory and plays on standard input and output; see --help for its options.

#include <iostream>

#include "game/options.h"
#include "terminal/play.h"

namespace {

constexpr int kExitWrongOption = 2;

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmore;
  const options chosen = ReadOptions(argc, argv);
  if (chosen.wrong) {
    return kExitWrongOption;
  }
  if (chosen.help) {
    std::cout << kUsage;
    return std::cout.flush() ? 0 : 1;
  }
  if (chosen.version) {
    std::cout << "quillmore " << QUILLMORE_VERSION << '\n';
    return std::cout.flush() ? 0 : 1;
  }
  return Play(chosen, std::cin, std::cout);
}
