// The graph that quillmore-map prints must show every place with exactly the exits the game
// gives it: the shipped data are loaded through a world, the map is linked, and each exit is
// compared with the labelled lines of the graph. The cells the places are drawn in must follow
// the exits, and the boxes must name the places in full.

#include "tools/map/city_map_dot.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "test_world.h"
#include "world/city_map.h"
#include "world/world.h"

namespace quillmore {
namespace {

// Exits by place name: the place each direction leads to, "" for none.
using exit_table = std::map<std::string, std::array<std::string, kDirectionCount>>;

// One line of the graph: "TAIL" -- "HEAD" [taillabel="X", headlabel="Y", ...], which means that
// the tail's exit X leads to the head and the head's exit Y leads back to the tail.
struct drawn_line {
  std::string tail;
  std::string head;
  std::string tailExit;
  std::string headExit;
  bool dashed;
};

// The quoted value of `key` in a line of the graph, or "".
std::string ValueOf(const std::string& line, const std::string& key) {
  const std::size_t at = line.find(key + "=\"");
  if (at == std::string::npos) {
    return "";
  }
  const std::size_t start = at + key.size() + 2;
  return line.substr(start, line.find('"', start) - start);
}

std::vector<drawn_line> DrawnLines(const std::string& dot) {
  const std::string joint = "\" -- \"";
  std::vector<drawn_line> drawn;
  std::istringstream in(dot);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t at = line.find(joint);
    if (at == std::string::npos) {
      continue;
    }
    const std::size_t open = line.find('"');
    const std::size_t headStart = at + joint.size();
    drawn.push_back({line.substr(open + 1, at - open - 1),
                     line.substr(headStart, line.find('"', headStart) - headStart),
                     ValueOf(line, "taillabel"), ValueOf(line, "headlabel"),
                     line.find("style=dashed") != std::string::npos});
  }
  return drawn;
}

int DirectionOf(const std::string& letter) {
  const std::size_t code = std::string("NSEW").find(letter);
  return letter.size() == 1 && code != std::string::npos ? static_cast<int>(code) : -1;
}

exit_table ExitsInGraph(const std::string& dot) {
  exit_table exits;
  for (const drawn_line& drawn : DrawnLines(dot)) {
    const int forthCode = DirectionOf(drawn.tailExit);
    const int backCode = DirectionOf(drawn.headExit);
    if (forthCode < 0 || backCode < 0) {
      ADD_FAILURE() << "no exit labels: " << drawn.tail << " -- " << drawn.head;
      continue;
    }
    std::string& forth = exits[drawn.tail][forthCode];
    std::string& back = exits[drawn.head][backCode];
    EXPECT_EQ(forth, "") << drawn.tail << " has exit " << drawn.tailExit << " twice";
    EXPECT_EQ(back, "") << drawn.head << " has exit " << drawn.headExit << " twice";
    forth = drawn.head;
    back = drawn.tail;
  }
  return exits;
}

std::string GraphText() {
  std::ostringstream dot;
  WriteCityMapDot(dot, BuiltIn().map);
  return dot.str();
}

// The room the game's lookup finds for a map name, or none.
int RoomNamed(const world& game, const std::string& name) {
  return name.empty() ? kNone : game.RoomByName(name);
}

std::set<std::string> MapPlaces() {
  std::set<std::string> places;
  for (const connection& link : BuiltIn().map.links) {
    places.insert(link.first);
    places.insert(link.second);
  }
  return places;
}

TEST(CityMapDot, EveryPlaceHasExactlyTheGamesExits) {
  world game;
  load_report report;
  ASSERT_TRUE(LoadWorld(game, FolderTexts(QUILLMORE_SHIPPED_DATA), report));
  const exit_table drawn = ExitsInGraph(GraphText());
  const std::set<std::string> places = MapPlaces();
  ASSERT_EQ(places.size(), 38U);
  EXPECT_EQ(drawn.size(), places.size());
  for (const std::string& place : places) {
    const int here = RoomNamed(game, place);
    ASSERT_NE(here, kNone) << place;
    for (int index = 0; index < kDirectionCount; ++index) {
      const std::string drawnThere = drawn.contains(place) ? drawn.at(place)[index] : "";
      EXPECT_EQ(game.RoomAt(here).GetExit(static_cast<direction>(index)),
                RoomNamed(game, drawnThere))
          << place << ", exit "
          << "NSEW"[index] << ": the graph leads to \"" << drawnThere << "\"";
    }
  }
}

TEST(CityMapDot, OnlyTheThreeBentConnectionsAreDashed) {
  std::set<std::set<std::string>> drawnBent;
  for (const drawn_line& drawn : DrawnLines(GraphText())) {
    if (drawn.dashed) {
      drawnBent.insert({drawn.tail, drawn.head});
    }
  }
  const std::set<std::set<std::string>> bent = {
      {"UCC Gate", "University College Cork"},
      {"Saint Patrick's Street east", "Saint Patrick's Bridge"},
      {"Oliver Plunkett Street west", "Grand Parade south"}};
  EXPECT_EQ(drawnBent, bent);
}

TEST(CityMapDot, BoxesNameThePlacesInFull) {
  std::map<std::string, std::string> boxes;  // label by place, its line breaks made spaces
  std::istringstream in(GraphText());
  std::string line;
  while (std::getline(in, line)) {
    const std::string label = ValueOf(line, "label");
    if (line.rfind("  \"", 0) == 0 && line.find(" -- ") == std::string::npos && !label.empty()) {
      std::string text = label;
      for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n")) {
        text.replace(at, 2, " ");
      }
      boxes[line.substr(3, line.find('"', 3) - 3)] = text;
    }
  }
  EXPECT_EQ(boxes.size(), MapPlaces().size());
  for (const std::string& place : MapPlaces()) {
    EXPECT_EQ(boxes[place], place);
  }
}

// Each exit leads into its own quarter of the grid: north to a higher row, east to a column
// further right. So every line leaves its boxes the way its labels say, and the rows and
// columns dot is given never ask a line to double back.
TEST(CityMapCells, EveryExitLeadsItsWayAndNoTwoPlacesShareACell) {
  const std::map<std::string, map_cell> cells = CityMapCells(BuiltIn().map);
  ASSERT_EQ(cells.size(), MapPlaces().size());
  for (const auto& [place, cell] : cells) {
    for (const auto& [other, otherCell] : cells) {
      EXPECT_TRUE(place == other || !(cell == otherCell)) << place << " and " << other;
    }
  }
  auto leadsItsWay = [&](const std::string& from, direction way, const std::string& to) {
    const int exit = IndexOf(way);
    const map_cell here = cells.at(from);
    const map_cell there = cells.at(to);
    const int rise[kDirectionCount] = {there.y - here.y, here.y - there.y, there.x - here.x,
                                       here.x - there.x};
    const char letter = "NSEW"[exit];
    EXPECT_GT(rise[exit], 0) << from << ", exit " << letter << ", to " << to;
  };
  for (const connection& link : BuiltIn().map.links) {
    leadsItsWay(link.first, link.way, link.second);
    leadsItsWay(link.second, link.wayBack, link.first);
  }
}

}  // namespace
}  // namespace quillmore
