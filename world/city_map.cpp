#include "world/city_map.h"

#include "world/story_lines.h"
#include "world/world.h"

namespace quillmore {

namespace {

// The place a connection names, or none: in the rooms file's words for the built-in map, which
// bends to any rooms, and as a problem of map.txt for a folder's own.
int MapPlace(const world& game, const std::string& name, int line, bool own, load_report& report) {
  const int found = game.RoomByName(name);
  if (found == kNone && own) {
    report.Add(data_file::kMap, line, story_fault::kUnknownPlace, name);
  } else if (found == kNone) {
    report.Add(data_file::kRooms, 0, problem::kNoMapPlace, name);
  }
  return found;
}

std::string Exit(const world& game, int place, direction way) {
  return "\"" + game.RoomAt(place).name + "\" " + WayName(way);
}

}  // namespace

void world::BuildMap(const city_map& map, load_report& report, bool own) {
  // The line of the connection that set each exit, so that a folder's own map may set it once.
  std::vector<std::array<int, kDirectionCount>> setBy(Tables().rooms.size());
  for (const connection& link : map.links) {
    const int first = MapPlace(*this, link.first, link.line, own, report);
    const int second = MapPlace(*this, link.second, link.line, own, report);
    if (first == kNone || second == kNone) {
      continue;
    }
    int& there = setBy[static_cast<std::size_t>(first)][IndexOf(link.way)];
    int& back = setBy[static_cast<std::size_t>(second)][IndexOf(link.wayBack)];
    if (own && there != 0) {
      report.Add(data_file::kMap, link.line, story_fault::kLeftTwice, Exit(*this, first, link.way));
    } else if (own && back != 0) {
      report.Add(data_file::kMap, link.line, story_fault::kWayBackTaken,
                 Exit(*this, second, link.wayBack));
    }
    there = back = link.line;
    // An ordinary connection leads back the opposite way; a bent one does not.
    std::vector<room>& rooms = Tables().rooms;
    rooms[static_cast<std::size_t>(first)].exits[IndexOf(link.way)] = static_cast<slot>(second);
    rooms[static_cast<std::size_t>(second)].exits[IndexOf(link.wayBack)] = static_cast<slot>(first);
  }
}

}  // namespace quillmore
