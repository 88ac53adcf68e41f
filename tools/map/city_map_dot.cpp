#include "tools/map/city_map_dot.h"

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "world/city_map.h"

namespace quillmore {

namespace {

const char* const kExitLetters[kDirectionCount] = {"N", "S", "E", "W"};
const char* const kCompassPorts[kDirectionCount] = {"n", "s", "e", "w"};
const map_cell kSteps[kDirectionCount] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};

// Names are broken into lines of at most this many letters, words kept whole: narrow boxes let
// the map fill a page's width with type big enough to read.
constexpr std::size_t kLineLength = 8;

using cell_map = std::map<std::string, map_cell>;

// One end of a connection: a place and the exit that leads from it to the other end.
struct end {
  std::string place;
  direction exit;
};

bool IsNorthSouth(direction way) {
  return way == direction::kNorth || way == direction::kSouth;
}

// Where the place reached by `out` lies, `back` being the exit that leads back: one cell out, and
// when the way back turns across, one cell against it as well. South from UCC Gate, with east as
// the way back, lies south-west.
map_cell Offset(direction out, direction back) {
  map_cell offset = kSteps[IndexOf(out)];
  if (IsNorthSouth(out) != IsNorthSouth(back)) {
    offset.x -= kSteps[IndexOf(back)].x;
    offset.y -= kSteps[IndexOf(back)].y;
  }
  return offset;
}

map_cell Moved(map_cell from, map_cell offset) {
  return {from.x + offset.x, from.y + offset.y};
}

bool IsTaken(const cell_map& cells, map_cell spot) {
  for (const auto& placed : cells) {
    if (placed.second == spot) {
      return true;
    }
  }
  return false;
}

// Opens a new column (or row, for an offset straight north or south) between `place` and the
// cell `offset` leads it to: the place moves one cell back, and so does every place joined to it
// on its side of the new line. Only those move, so a place elsewhere keeps its short lines.
void OpenLine(cell_map& cells, const std::string& place, map_cell offset,
              const std::vector<connection>& links) {
  const bool column = offset.x != 0;
  const int back = (column ? offset.x : offset.y) > 0 ? -1 : 1;
  const map_cell from = cells.at(place);
  auto onItsSide = [&](map_cell at) {
    return (column ? at.x - from.x : at.y - from.y) * back >= 0;
  };
  std::set<std::string> moving = {place};
  std::vector<std::string> todo = {place};
  while (!todo.empty()) {
    const std::string here = todo.back();
    todo.pop_back();
    for (const connection& link : links) {
      for (const auto& [near, far] :
           {std::pair(link.first, link.second), std::pair(link.second, link.first)}) {
        const auto found = cells.find(far);
        if (here == near && found != cells.end() && onItsSide(found->second) &&
            moving.insert(far).second) {
          todo.emplace_back(far);
        }
      }
    }
  }
  for (const std::string& mover : moving) {
    (column ? cells[mover].x : cells[mover].y) += back;
  }
}

// Puts `to` in its cell from `from`, if `from` has a cell and `to` has none yet.
bool Reach(cell_map& cells, const end& from, const end& to, const std::vector<connection>& links) {
  if (!cells.contains(from.place) || cells.contains(to.place)) {
    return false;
  }
  const map_cell offset = Offset(from.exit, to.exit);
  while (IsTaken(cells, Moved(cells.at(from.place), offset))) {
    OpenLine(cells, from.place, offset, links);
  }
  cells[to.place] = Moved(cells.at(from.place), offset);
  return true;
}

// "Saint Patrick's Street west" as "Saint\nPatrick's\nStreet\nwest", in the DOT language.
std::string Wrapped(const std::string& name) {
  std::istringstream words(name);
  std::string wrapped;
  std::string line;
  std::string word;
  while (words >> word) {
    if (!line.empty() && line.size() + 1 + word.size() > kLineLength) {
      wrapped += line + "\\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  return wrapped + line;
}

void WritePlaces(std::ostream& out, const cell_map& cells, const city_map& map) {
  std::map<int, std::map<int, std::string>> rows;  // place by row and column
  std::set<std::string> written;
  for (const connection& link : map.links) {
    for (const std::string& place : {link.first, link.second}) {
      if (written.insert(place).second) {
        const map_cell at = cells.at(place);
        rows[at.y][at.x] = place;
        out << "  \"" << place << "\" [label=\"" << Wrapped(place) << "\", group=\"x" << at.x
            << "\"";
        if (place == map.start) {
          out << ", style=bold";
        }
        out << "];\n";
      }
    }
  }
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    out << "  {rank=same;";
    for (const auto& column : row->second) {
      out << " \"" << column.second << "\";";
    }
    out << "}\n";
  }
}

// Graphviz ranks the first end of a line above the second, `minlen` rows above, and draws a line
// within a row from left to right. So the northern end goes first, or in a row the western end.
void WriteConnection(std::ostream& out, const connection& link, const cell_map& cells) {
  end from{link.first, link.way};
  end to{link.second, link.wayBack};
  const map_cell a = cells.at(from.place);
  const map_cell b = cells.at(to.place);
  if (b.y > a.y || (b.y == a.y && b.x < a.x)) {
    std::swap(from, to);
  }
  out << "  \"" << from.place << "\" -- \"" << to.place << "\" [taillabel=\""
      << kExitLetters[IndexOf(from.exit)] << "\", headlabel=\"" << kExitLetters[IndexOf(to.exit)]
      << "\", tailport=" << kCompassPorts[IndexOf(from.exit)]
      << ", headport=" << kCompassPorts[IndexOf(to.exit)];
  const int rows = a.y > b.y ? a.y - b.y : b.y - a.y;
  if (rows > 1) {
    out << ", minlen=" << rows;
  }
  if (link.IsBent()) {
    out << ", style=dashed, color=red, fontcolor=red";
  }
  out << "];\n";
}

}  // namespace

std::map<std::string, map_cell> CityMapCells(const city_map& map) {
  cell_map cells;
  for (;;) {
    bool reached = false;
    for (const connection& link : map.links) {
      const end first{link.first, link.way};
      const end second{link.second, link.wayBack};
      reached = Reach(cells, first, second, map.links) || reached;
      reached = Reach(cells, second, first, map.links) || reached;
    }
    if (reached) {
      continue;
    }
    // Nothing more is reached from the places laid out: start the next part of the city (or the
    // city itself) two columns east of the rest.
    int east = -2;
    for (const auto& placed : cells) {
      east = placed.second.x > east ? placed.second.x : east;
    }
    const connection* unplaced = nullptr;
    for (const connection& link : map.links) {
      if (unplaced == nullptr && !cells.contains(link.first)) {
        unplaced = &link;
      }
    }
    if (unplaced == nullptr) {
      return cells;
    }
    cells[unplaced->first] = {east + 2, 0};
  }
}

void WriteCityMapDot(std::ostream& out, const city_map& map) {
  const cell_map cells = CityMapCells(map);
  out << "// The city of Quillmore: every place and connection the game links at start. A line is\n"
         "// labelled with its exit at each end; dashed red lines are bent: their way back is not\n"
         "// the opposite direction. Made by quillmore-map; render with dot -Tsvg. The type is\n"
         "// large because the README shows the picture scaled to a page's width.\n"
         "graph city {\n"
         "  nodesep=0.35;\n"
         "  ranksep=0.4;\n"
         "  node [shape=box, fontname=\"Helvetica\", fontsize=14, margin=\"0.06,0.03\"];\n"
         "  edge [fontname=\"Helvetica\", fontsize=19, labeldistance=1.55, labelangle=45];\n";
  WritePlaces(out, cells, map);
  for (const connection& link : map.links) {
    WriteConnection(out, link, cells);
  }
  out << "}\n";
}

}  // namespace quillmore
