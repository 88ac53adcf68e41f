// quillmore-map: prints the map of a Quillmore story as a Graphviz graph, for instance
//   quillmore-map | dot -Tsvg >map.svg

#include <getopt.h>

#include <iostream>

#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "game/story_problems.h"
#include "story/story.h"
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
    "             what, and whose errand opens whose\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

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
  if (optind < argc) {
    read_only_file_system disk;
    data = ReadDataFiles(disk, argv[optind]);
  } else {
    for (data_text& file : data.files) {
      file.error = std::make_error_code(std::errc::no_such_file_or_directory);
    }
  }
  load_report report;
  const std::shared_ptr<const story> told = ReadStoryFiles(data, report);
  if (!report.storyProblems.empty()) {
    std::cerr << "quillmore-map: " << StoryProblemLine(report.storyProblems.front()) << '\n';
    return 1;
  }
  if (drawStory) {
    WriteStoryDot(std::cout, *told);
  } else {
    WriteCityMapDot(std::cout, told->map);
  }
  return std::cout.good() ? 0 : 1;
}
