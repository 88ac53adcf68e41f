#include "game/options.h"

#include <getopt.h>

#include <iostream>
#include <string_view>

namespace quillmore {

const char* const kUsage =
    "usage: quillmore [--continue[=FILE]] [--transcript FILE] [--plain]\n"
    "Plays Quillmore, a text adventure in the streets of Cork, on the data files rooms.txt,\n"
    "people.txt and objects.txt of the working directory.\n"
    "\n"
    "At a terminal the game wraps its lines at word boundaries, shows a prompt that says what\n"
    "it waits for (> for a command, get what? > for a name, a or b? > for an answer), lets you\n"
    "edit what you type (Up and Down for the history, Ctrl-R to search it, Tab to complete\n"
    "commands and names), gives a hint after words other games take (x, take, go north),\n"
    "keeps your progress as you play, and keeps a transcript of each game, under\n"
    "~/.local/state/quillmore/transcripts ($XDG_STATE_HOME/quillmore/transcripts when that is\n"
    "set). There, and only there, undo takes back the last command, or the one under way at\n"
    "a name or a question, and a line that begins with * is a comment for the transcript;\n"
    "piped in, both go to the game, which knows neither.\n"
    "\n"
    "  -c, --continue         take up the last game played on these data files\n"
    "      --continue=FILE    take up the game saved in FILE, from this game or its page\n"
    "      --transcript FILE  keep the transcript in FILE, added to its end\n"
    "      --plain            none of the terminal's comforts: the game reads and writes as in\n"
    "                         a pipe, the mode for screen readers; chosen by itself where\n"
    "                         TERM=dumb\n"
    "      --help             print this help and exit\n"
    "      --version          print the version and exit\n";

std::string RefusedOption(const char* program, int code, int before, char** argv) {
  // Stopped inside a group of short options (-cx), or after the option or group it took whole.
  std::string option = {'-', static_cast<char>(optopt)};
  if (optind > before && std::string_view(argv[optind - 1]).starts_with("--")) {
    option = argv[optind - 1];
  }
  std::string line(program);
  line.append(code == ':' ? ": option '" : ": unknown option '").append(option);
  return line.append(code == ':' ? "' needs a value; see " : "'; see ")
      .append(program)
      .append(" --help\n");
}

options ReadOptions(int argc, char** argv) {
  static const option kOptions[] = {{"continue", optional_argument, nullptr, 'c'},
                                    {"transcript", required_argument, nullptr, 't'},
                                    {"plain", no_argument, nullptr, 'p'},
                                    {"help", no_argument, nullptr, 'h'},
                                    {"version", no_argument, nullptr, 'v'},
                                    {nullptr, 0, nullptr, 0}};
  options chosen;
  opterr = 0;  // the game says itself what it refuses, and where to look
  for (;;) {
    const int before = optind;
    const int code = getopt_long(argc, argv, ":c", kOptions, nullptr);
    switch (code) {
      case -1:
        return chosen;
      case 'c':
        chosen.resume = true;
        chosen.resumeFrom = optarg != nullptr ? optarg : "";
        break;
      case 't':
        chosen.transcriptFile = optarg;
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
        std::cerr << RefusedOption("quillmore", code, before, argv);
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
