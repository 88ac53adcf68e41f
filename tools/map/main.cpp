// quillmore-map: prints the city map of Quillmore as a Graphviz graph, for instance
//   quillmore-map | dot -Tsvg >map.svg

#include <getopt.h>

#include <iostream>

#include "tools/map/city_map_dot.h"
#include "tools/options.h"

namespace {

const char kUsage[] =
    "usage: quillmore-map\n"
    "Prints the city map of Quillmore, the places and the exits between them, as a Graphviz\n"
    "graph. To draw it: quillmore-map | dot -Tsvg >map.svg\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
  const int status = ReadToolOptions(argc, argv, "quillmore-map", kUsage);
  if (status != -1) {
    return status;
  }
  if (optind < argc) {
    std::cerr << "usage: quillmore-map\n";
    return 2;
  }
  quillmore::WriteCityMapDot(std::cout);
  return std::cout.good() ? 0 : 1;
}
