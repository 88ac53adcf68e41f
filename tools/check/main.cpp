// quillmore-check: checks the data files of Quillmore in FOLDER (by default the working
// directory), prints one line for each problem with file and line number, then, when the data
// load, searches every play and says whether the game can be won and how it can be lost. Exit
// status 0 when the data are sound and the game can be won, 1 when a problem or a way to lose was
// found, 2 when the search did not finish and found none, or the checker was called wrongly.

#include <getopt.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>

#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "tools/check/data_check.h"
#include "tools/check/exploration_report.h"
#include "tools/check/explorer.h"
#include "tools/options.h"
#include "world/data_files.h"

namespace {

using namespace quillmore;

const char kUsage[] =
    "usage: quillmore-check [--walkthrough FILE [--all-drinks]] [--max-states N] [--no-search] "
    "[FOLDER]\n"
    "Checks the Quillmore data files rooms.txt, people.txt and objects.txt in FOLDER (by\n"
    "default the working directory) and prints one line for each problem. Then it plays every\n"
    "command a player can type in every state of play the game can reach, and says whether the\n"
    "game can be won, in how few commands, with and without every pub drink, who and what no\n"
    "play reaches, every command after which the game or the side quest can no longer be won,\n"
    "and how many states it searched, in how long; a search that stops at its limit says so on\n"
    "the last line.\n"
    "Exit status: 0 when the data are sound and the game can be won (the search's lines are\n"
    "printed all the same); 1 when a problem, a way to lose, or a game that cannot be won was\n"
    "found, even if the search did not finish; 2 when the search did not finish and found no\n"
    "problem, or on a wrong call, which one line on standard error explains.\n"
    "\n"
    "  --walkthrough FILE  write the shortest winning game to FILE, as the lines a player types\n"
    "  --all-drinks        the shortest one that also collects every pub drink\n"
    "  --max-states N      stop the search after N states of play (default 1,000,000)\n"
    "  --no-search         only check each line of the files; search no play\n"
    "  --help              print this help and exit\n"
    "  --version           print the version and exit\n";

const char kUsageLine[] =
    "usage: quillmore-check [--walkthrough FILE [--all-drinks]] [--max-states N] [--no-search] "
    "[FOLDER]\n";

constexpr int kSound = 0;
constexpr int kProblem = 1;
constexpr int kUnproven = 2;
constexpr std::size_t kDefaultMaxStates = 1'000'000;

// Loads the data as the game does; false when the game would not start.
bool Load(const std::string& folder, world& game, load_report& report) {
  read_only_file_system disk;
  return LoadWorld(game, ReadDataFiles(disk, folder == "." ? "" : folder), report);
}

bool WriteWalkthrough(const std::string& path, const play& commands) {
  std::ofstream file(path);
  file << Walkthrough(commands);
  file.close();
  if (!file) {
    std::cerr << "quillmore-check: cannot write " << path << '\n';
  }
  return static_cast<bool>(file);
}

// Why the options given cannot go together, or empty when they can.
std::string WrongCall(bool allDrinks, bool walkthroughGiven, bool limitWrong, bool noSearch) {
  if (allDrinks && !walkthroughGiven) {
    return "--all-drinks chooses which walkthrough to write: give --walkthrough FILE too";
  }
  if (limitWrong) {
    return "--max-states takes a whole number above 0";
  }
  if (noSearch && walkthroughGiven) {
    return "--walkthrough needs the search, which --no-search leaves out";
  }
  return "";
}

// Why no walkthrough can be written, or empty when one can.
std::string NoWalkthrough(bool loaded, const exploration& found, bool allDrinks) {
  const bool won =
      allDrinks ? found.shortestWinWithDrinks.has_value() : found.shortestWin.has_value();
  if (!loaded) {
    return "the game would not start with these files";
  }
  if (won) {
    return "";
  }
  const char* what =
      allDrinks ? "the game cannot be won with every pub drink" : "the game cannot be won";
  return found.finished ? what : "the search stopped before it found a win";
}

}  // namespace

int main(int argc, char** argv) {
  bool walkthroughGiven = false;
  bool allDrinks = false;
  bool limitGiven = false;
  bool noSearch = false;
  std::string walkthrough;
  std::string limit;
  const tool_option own[] = {{"walkthrough", &walkthroughGiven, &walkthrough},
                             {"all-drinks", &allDrinks},
                             {"max-states", &limitGiven, &limit},
                             {"no-search", &noSearch}};
  const int status = ReadToolOptions(argc, argv, "quillmore-check", kUsage, own);
  if (status != -1) {
    return status;
  }
  const std::size_t maxStates = limitGiven ? std::strtoull(limit.c_str(), nullptr, 10) : 0;
  const std::string wrong =
      WrongCall(allDrinks, walkthroughGiven, limitGiven && maxStates == 0, noSearch);
  if (argc - optind > 1 || !wrong.empty()) {
    std::cerr << "quillmore-check: " << (wrong.empty() ? "give at most one folder" : wrong) << "\n"
              << kUsageLine;
    return kUnproven;
  }
  const std::string folder = argc - optind == 1 ? argv[optind] : ".";
  std::vector<finding> findings = CheckData(folder);
  bool problem =
      std::any_of(findings.begin(), findings.end(), [](const finding& said) { return !said.note; });
  bool unproven = false;
  std::vector<finding> last;
  world game;
  load_report loaded;
  exploration found;
  const bool loads = !noSearch && Load(folder, game, loaded);
  if (loads) {
    found = Explore(game, limitGiven ? maxStates : kDefaultMaxStates);
    const exploration_findings said = Report(found, game, loaded);
    findings.insert(findings.end(), said.findings.begin(), said.findings.end());
    last = said.last;
    problem = problem || said.lost;
    unproven = said.unproven;
  }
  if (walkthroughGiven) {
    const std::string why = NoWalkthrough(loads, found, allDrinks);
    if (!why.empty()) {
      findings.push_back({{}, 0, "no walkthrough written to " + walkthrough + ": " + why, true});
    } else if (!WriteWalkthrough(walkthrough,
                                 allDrinks ? *found.shortestWinWithDrinks : *found.shortestWin)) {
      problem = true;
    }
  }
  findings.insert(findings.end(), last.begin(), last.end());
  for (const finding& said : findings) {
    std::cout << FormatFinding(folder, said) << '\n';
  }
  // A definite problem outweighs a search that did not finish.
  if (problem) {
    return kProblem;
  }
  return unproven ? kUnproven : kSound;
}
