// The benchmark's floor: the least a program can do and still look like the game from outside.
// It reads the three data files of the working directory, then answers every line of standard
// input with lines of WIDTH characters, each flushed like the game's, so that over COMMANDS
// input lines it writes LINES lines in all, spread as evenly as whole lines allow.
//
//   quillmore-floor LINES COMMANDS WIDTH

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string ReadWhole(const char* name) {
  std::ifstream in(name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: quillmore-floor LINES COMMANDS WIDTH\n";
    return 2;
  }
  const long long lines = std::stoll(argv[1]);
  const long long commands = std::stoll(argv[2]);
  const std::string answer(std::stoul(argv[3]), '*');
  const std::string data =
      ReadWhole("rooms.txt") + ReadWhole("people.txt") + ReadWhole("objects.txt");
  long long read = 0;
  long long written = 0;
  std::string command;
  while (std::getline(std::cin, command)) {
    ++read;
    const long long due = commands > 0 ? read * lines / commands : 0;
    for (; written < due; ++written) {
      std::cout << answer << std::endl;
    }
  }
  return data.empty() ? 1 : 0;
}
