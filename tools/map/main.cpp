// quillmore-map: prints the city map of Quillmore as a Graphviz graph, for instance
//   quillmore-map | dot -Tsvg >map.svg

#include <getopt.h>

#include <iostream>

#include "tools/map/city_map_dot.h"
#include "tools/map/story_dot.h"
#include "tools/options.h"

namespace {

const char kUsage[] =
    "usage: quillmore-map [--story]\n"
    "Prints the city map of Quillmore, the places and the exits between them, as a Graphviz\n"
    "graph. To draw it: quillmore-map | dot -Tsvg >map.svg\n"
    "\n"
    "  --story    print the story's errand chain instead: who wants what, who hands over\n"
    "             what, and whose errand opens whose\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
  bool story = false;
  const tool_option own[] = {{"story", &story}};
  const int status = ReadToolOptions(argc, argv, "quillmore-map", kUsage, own);
  if (status != -1) {
    return status;
  }
  if (optind < argc) {
    std::cerr << "usage: quillmore-map [--story]\n";
    return 2;
  }
  if (story) {
    quillmore::WriteStoryDot(std::cout);
  } else {
    quillmore::WriteCityMapDot(std::cout);
  }
  return std::cout.good() ? 0 : 1;
}
