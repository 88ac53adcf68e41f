// Quillmore: a text adventure in the streets of Cork. Reads its three data files from the working
// directory and plays on standard input and output.

#include <unistd.h>

#include <iostream>

#include "shell/console.h"
#include "shell/data_files.h"
#include "shell/game.h"
#include "shell/terminal.h"

int main() {
  using namespace quillmore;
  std::ifstream rooms = OpenDataFile("rooms.txt");
  std::ifstream objects = OpenDataFile("objects.txt");
  std::ifstream people = OpenDataFile("people.txt");
  terminal player;
  console io(std::cin, std::cout, isatty(STDIN_FILENO) == 1 ? &player : nullptr);
  return PlayGame(io, rooms, objects, people);
}
