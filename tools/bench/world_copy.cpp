// How cheap the world is to copy and to key: what a search over states of play pays for each
// state it tries. Loads the data files of the working directory, plays the shipped story up to
// Siobhan's earring, and then copies that world COPIES times and takes its key as often.
//
//   quillmore-world-bench COPIES

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/read_only_file_system.h"
#include "game/command_loop.h"
#include "game/data_files.h"
#include "game/game.h"
#include "world/data_files.h"
#include "world/world.h"

namespace {

using namespace quillmore;

// The winning walkthrough as far as the napkin's delivery: in the middle of the story, with
// people met, stages changed and objects moved.
constexpr const char* kHalfway =
    "s\nw\ns\ngive english coins\nConor\ntalk Conor\nget pint of Bulmers Cider\nn\ntalk Sean\n"
    "e\ne\ne\ne\ne\nn\ne\ne\nn\ngive photo slip\nRuaidhri\ntalk Ruaidhri\ns\nw\nw\ns\nw\ns\n"
    "get shot of Jameson\nn\nw\nn\nget pint of Murphy's\ns\nw\nw\nw\ntalk Sean\na\ne\ne\ne\ne\n"
    "e\nn\ne\ne\ne\nget pearl earring\nn\nw\nw\nn\ntalk John\nb\nget pint of Rebel Red\ns\ne\n"
    "e\ns\ns\nw\nw\ns\nw\nw\nw\ns\ngive napkin\nSara-Jane\n";

// Makes the compiler believe the value is read, so that making it is not left out.
template <typename value>
void Keep(const value& kept) {
  asm volatile("" : : "g"(&kept) : "memory");
}

double NanosecondsEach(long count, std::chrono::steady_clock::duration spent) {
  return std::chrono::duration<double, std::nano>(spent).count() / static_cast<double>(count);
}

}  // namespace

int main(int argc, char** argv) {
  const long copies = argc > 1 ? std::atol(argv[1]) : 0;
  if (copies <= 0) {
    std::cerr << "usage: quillmore-world-bench COPIES\n";
    return 2;
  }
  world game;
  load_report report;
  read_only_file_system disk;
  if (!LoadWorld(game, ReadDataFiles(disk), report)) {
    std::cerr << "quillmore-world-bench: the data files do not load\n";
    return 1;
  }
  std::istringstream typed(kHalfway);
  std::ostringstream unheard;
  console io(typed, unheard);
  command_loop play(game, io);
  while (play.StepThrough() == command_loop::report::kGoOn) {
  }

  using clock = std::chrono::steady_clock;
  world copy;
  const clock::time_point copyStart = clock::now();
  for (long i = 0; i < copies; ++i) {
    copy = game;
    Keep(copy);
  }
  const clock::time_point keyStart = clock::now();
  for (long i = 0; i < copies; ++i) {
    const std::string key = game.Key();
    Keep(key);
  }
  const clock::time_point end = clock::now();
  std::cout << "world, bytes copied              " << sizeof(world) << '\n'
            << "key, bytes                       " << game.Key().size() << '\n'
            << "copy, ns                         " << NanosecondsEach(copies, keyStart - copyStart)
            << '\n'
            << "key, ns                          " << NanosecondsEach(copies, end - keyStart)
            << '\n'
            << "copies per minute, millions      "
            << 60e3 / NanosecondsEach(copies, keyStart - copyStart) << '\n';
  return 0;
}
