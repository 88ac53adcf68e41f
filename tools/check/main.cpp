// quillmore-check [--walkthrough FILE [--all-drinks]] [FOLDER]: checks the data files of
// Quillmore in FOLDER (by default the working directory), prints one line for each problem with
// file and line number, then, when the data load, searches every play and says whether the game
// can be won and how it can be lost. Exit status 0 when the data are sound and the game can be
// won, 1 when a problem or a way to lose was found, 2 when the search did not finish or the
// checker was called wrongly.

#include <getopt.h>

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
    "usage: quillmore-check [--walkthrough FILE [--all-drinks]] [FOLDER]\n"
    "Checks the Quillmore data files rooms.txt, people.txt and objects.txt in FOLDER (by\n"
    "default the working directory) and prints one line for each problem. Then it plays every\n"
    "command a player can type in every state of play the game can reach, and says whether the\n"
    "game can be won, in how few commands, with and without every pub drink, who and what no\n"
    "play reaches, and every command after which the game or the side quest can no longer be\n"
    "won. Exit status: 0 when the data are sound and the game can be won, 1 when a problem or a\n"
    "way to lose was found, 2 when the search did not finish or on a wrong call.\n"
    "\n"
    "  --walkthrough FILE  write the shortest winning game to FILE, as the lines a player types\n"
    "  --all-drinks        the shortest one that also collects every pub drink\n"
    "  --max-states N      stop the search after N states of play (default 1,000,000)\n"
    "  --no-search         only check each line of the files; search no play\n"
    "  --help              print this help and exit\n"
    "  --version           print the version and exit\n";

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
  if (argc - optind > 1 || (allDrinks && !walkthroughGiven) || (limitGiven && maxStates == 0) ||
      (noSearch && walkthroughGiven)) {
    std::cerr << "usage: quillmore-check [--walkthrough FILE [--all-drinks]] [FOLDER]\n";
    return kUnproven;
  }
  const std::string folder = argc - optind == 1 ? argv[optind] : ".";
  std::vector<finding> findings = CheckData(folder);
  bool problem = !findings.empty();
  bool unproven = false;
  world game;
  load_report loaded;
  std::optional<play> winning;
  if (!noSearch && Load(folder, game, loaded)) {
    const exploration found = Explore(game, limitGiven ? maxStates : kDefaultMaxStates);
    const exploration_findings said = Report(found, game, loaded);
    findings.insert(findings.end(), said.findings.begin(), said.findings.end());
    problem = problem || said.lost;
    unproven = said.unproven;
    winning = allDrinks ? found.shortestWinWithDrinks : found.shortestWin;
  }
  for (const finding& found : findings) {
    std::cout << FormatFinding(folder, found) << '\n';
  }
  if (walkthroughGiven && (!winning || !WriteWalkthrough(walkthrough, *winning))) {
    problem = true;
  }
  if (problem) {
    return kProblem;
  }
  return unproven ? kUnproven : kSound;
}
