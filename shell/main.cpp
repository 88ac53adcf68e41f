// Quillmore: a text adventure in the streets of Cork. Takes no arguments; reads its three data
// files from the working directory and plays on standard input and output.

#include "shell/data_files.h"
#include "shell/game.h"

int main() {
  std::ifstream rooms = OpenDataFile("rooms.txt");
  std::ifstream objects = OpenDataFile("objects.txt");
  std::ifstream people = OpenDataFile("people.txt");
  return PlayGame(rooms, objects, people);
}
