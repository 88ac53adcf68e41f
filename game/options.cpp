#include "game/options.h"

#include <getopt.h>

namespace quillmore {

const char* const kUsage =
    "usage: quillmore [--continue] [--plain]\n"
    "Plays Quillmore, a text adventure in the streets of Cork, on the data files rooms.txt,\n"
    "people.txt and objects.txt of the working directory.\n"
    "\n"
    "At a terminal the game wraps its lines at word boundaries, shows a prompt, lets you edit\n"
    "what you type (Up and Down for the history, Tab to complete commands and names) and keeps\n"
    "your progress as you play.\n"
    "\n"
    "  -c, --continue  take up the last unfinished game played on these data files\n"
    "      --plain     none of the terminal's comforts: the game reads and writes as in a pipe\n"
    "      --help      print this help and exit\n"
    "      --version   print the version and exit\n";

options ReadOptions(int argc, char** argv) {
  static const option kOptions[] = {{"continue", no_argument, nullptr, 'c'},
                                    {"plain", no_argument, nullptr, 'p'},
                                    {"help", no_argument, nullptr, 'h'},
                                    {"version", no_argument, nullptr, 'v'},
                                    {nullptr, 0, nullptr, 0}};
  options chosen;
  for (;;) {
    switch (getopt_long(argc, argv, "c", kOptions, nullptr)) {
      case -1:
        return chosen;
      case 'c':
        chosen.resume = true;
        break;
      case 'p':
        chosen.plain = true;
        break;
      case 'h':
        chosen.help = true;
        break;
      case 'v':
        chosen.version = true;
        break;
      default:
        chosen.wrong = true;
        return chosen;
    }
  }
}

int AnswerOptions(const options& chosen, std::ostream& out) {
  constexpr int kExitWrongOption = 2;
  if (chosen.wrong) {
    return kExitWrongOption;
  }
  if (chosen.help) {
    out << kUsage;
  } else if (chosen.version) {
    out << "quillmore " << QUILLMORE_VERSION << '\n';
  } else {
    return kPlay;
  }
  return out.flush() ? 0 : 1;
}

}  // namespace quillmore
