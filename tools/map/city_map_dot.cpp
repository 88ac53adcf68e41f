#include "tools/map/city_map_dot.h"

#include <set>
#include <string>
#include <utility>

#include "world/city_map.h"

namespace quillmore {

namespace {

constexpr const char* kStartRoom = "Fitzgerald Park";

const char* const kExitLetters[kDirectionCount] = {"N", "S", "E", "W"};
const char* const kCompassPorts[kDirectionCount] = {"n", "s", "e", "w"};

// One end of a connection: a place and the exit that leads from it to the other end.
struct end {
  const char* place;
  direction exit;
};

void WritePlaces(std::ostream& out) {
  std::set<std::string> written;
  for (const connection& link : kCityMap) {
    for (const char* place : {link.first, link.second}) {
      if (written.insert(place).second) {
        out << "  \"" << place << "\"";
        if (std::string(place) == kStartRoom) {
          out << " [style=\"rounded,bold\"]";
        }
        out << ";\n";
      }
    }
  }
}

// Graphviz ranks the first end of a line above the second, and keeps the ends of a ranked-same
// line side by side. So the northern end goes first, and an east-west pair shares a rank: the
// picture then reads like a map with north at the top and east at the right.
void WriteConnection(std::ostream& out, const connection& link) {
  end from{link.first, link.way};
  end to{link.second, link.wayBack};
  if (to.exit == direction::kSouth ||
      (from.exit != direction::kSouth && to.exit == direction::kEast)) {
    std::swap(from, to);
  }
  if (!link.IsBent() && from.exit == direction::kEast) {
    out << "  {rank=same; \"" << from.place << "\"; \"" << to.place << "\";}\n";
  }
  out << "  \"" << from.place << "\" -- \"" << to.place << "\" [taillabel=\""
      << kExitLetters[IndexOf(from.exit)] << "\", headlabel=\"" << kExitLetters[IndexOf(to.exit)]
      << "\", tailport=" << kCompassPorts[IndexOf(from.exit)]
      << ", headport=" << kCompassPorts[IndexOf(to.exit)];
  if (link.IsBent()) {
    out << ", style=dashed, color=red, fontcolor=red, label=\"bent\"";
  }
  out << "];\n";
}

}  // namespace

void WriteCityMapDot(std::ostream& out) {
  out << "// The city of Quillmore: every place and connection the game links at start. A line is\n"
         "// labelled with its exit at each end; dashed red lines are bent: their way back is not\n"
         "// the opposite direction. Made by quillmore-map; render with dot -Tsvg.\n"
         "graph city {\n"
         "  nodesep=0.3;\n"
         "  ranksep=0.5;\n"
         "  node [shape=box, style=rounded, fontname=\"Helvetica\", fontsize=11];\n"
         "  edge [fontname=\"Helvetica\", fontsize=9];\n";
  WritePlaces(out);
  for (const connection& link : kCityMap) {
    WriteConnection(out, link);
  }
  out << "}\n";
}

}  // namespace quillmore
