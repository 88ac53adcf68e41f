// Quillmore: a text adventure in the streets of Cork. Reads its three data files from the working
// directory and plays on standard input and output; see --help for its options.

#include <iostream>

#include "game/options.h"
#include "terminal/play.h"
#include "terminal/posix_file_system.h"
#include "terminal/posix_platform.h"

int main(int argc, char** argv) {
  using namespace quillmore;
  const options chosen = ReadOptions(argc, argv);
  const int status = AnswerOptions(chosen, std::cout);
  if (status != kPlay) {
    return status;
  }
  posix_platform system;
  posix_file_system disk;
  return Play(chosen, system, disk, std::cout);
}
