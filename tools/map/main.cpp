// quillmore-map: prints the map of a Quillmore story as a Graphviz graph, for instance
//   quillmore-map | dot -Tsvg >map.svg

#include <getopt.h>

#include <iostream>
#include <set>
#include <string>

#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "game/story_problems.h"
#include "story/story.h"
#include "tools/check/explorer.h"
#include "tools/check/skipped_errands.h"
#include "tools/map/city_map_dot.h"
#include "tools/map/story_dot.h"
#include "tools/options.h"

namespace {

const char kUsage[] =
    "usage: quillmore-map [--story] [FOLDER]\n"
    "Prints the map of the story in FOLDER, the places and the exits between them, as a\n"
    "Graphviz graph: the folder's map.txt, or the built-in map of Cork when it has none, or\n"
    "without a FOLDER. To draw it: quillmore-map | dot -Tsvg >map.svg\n"
    "\n"
    "  --story    print the story's errand chain instead: who wants what, who hands over\n"
    "             what, and whose errand opens whose; with a FOLDER, the errands its\n"
    "             shortest win skips are drawn dashed and grey\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

// The search's limit of states, as the checker's: the shortest win is found well within it.
constexpr std::size_t kMaxStates = 1'000'000;

// The errands the shortest win of the folder's story skips; none when its people and objects do
// not load or no win is found.
std::set<std::string> Skipped(const quillmore::data_texts& data) {
  using namespace quillmore;
  world game;
  load_report loaded;
  if (!LoadWorld(game, data, loaded)) {
    return {};
  }
  return SkippedErrands(game, Explore(game, kMaxStates));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmore;
  bool drawStory = false;
  const tool_option own[] = {{"story", &drawStory}};
  const int status = ReadToolOptions(argc, argv, "quillmore-map", kUsage, own);
  if (status != -1) {
    return status;
  }
  if (argc - optind > 1) {
    std::cerr << "usage: quillmore-map [--story] [FOLDER]\n";
    return 2;
  }
  data_texts data;
  const bool folderGiven = optind < argc;
  if (folderGiven) {
    read_only_file_system disk;
    data = ReadDataFiles(disk, argv[optind]);
  } else {
    for (data_text& file : data.files) {
      file.fault = file_fault::kMissing;
    }
  }
  load_report report;
  const std::shared_ptr<const story> told = ReadStoryFiles(data, report);
  if (!report.storyProblems.empty()) {
    std::cerr << "quillmore-map: " << StoryProblemLine(report.storyProblems.front()) << '\n';
    return 1;
  }
  if (drawStory) {
    WriteStoryDot(std::cout, *told, folderGiven ? Skipped(data) : std::set<std::string>{});
  } else {
    WriteCityMapDot(std::cout, told->map);
  }
  return std::cout.good() ? 0 : 1;
}
