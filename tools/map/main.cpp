// quillmore-map: prints the city map of Quillmore as a Graphviz graph, for instance
//   quillmore-map | dot -Tsvg >map.svg

#include <iostream>

#include "tools/map/city_map_dot.h"

int main() {
  quillmore::WriteCityMapDot(std::cout);
  return std::cout.good() ? 0 : 1;
}
