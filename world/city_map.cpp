#include "world/city_map.h"

#include "world/world.h"

namespace quillmore {

namespace {

constexpr direction kNorth = direction::kNorth;
constexpr direction kSouth = direction::kSouth;
constexpr direction kEast = direction::kEast;
constexpr direction kWest = direction::kWest;

}  // namespace

const connection kCityMap[kConnectionCount] = {
    {"Victoria Lodge", kEast, "Western Road west", kWest},
    {"Western Road west", kSouth, "Western Star", kNorth},
    {"Western Road west", kEast, "Western Road east", kWest},
    {kStartRoom, kSouth, "Western Road east", kNorth},
    {"Western Road east", kSouth, "Gaol Walk", kNorth},
    {"Gaol Walk", kSouth, "University College Cork", kNorth},
    {"Western Road east", kEast, "UCC Gate", kWest},
    {"UCC Gate", kSouth, "University College Cork", kEast},  // bent
    {"UCC Gate", kNorth, "Ege Kebab", kSouth},
    {"UCC Gate", kEast, "Washington Street west", kWest},
    {"Washington Street west", kNorth, "Thirsty Scholar", kSouth},
    {"Washington Street west", kEast, "Washington Street east", kWest},
    {"Thirsty Scholar", kNorth, "Thirsty's Bathroom", kSouth},
    {"Washington Street east", kSouth, "Washington Inn", kNorth},
    {"Washington Street east", kNorth, "The Burger Bar", kSouth},
    {"Washington Street east", kEast, "Cork Cineplex", kWest},
    {"The Burger Bar", kNorth, "Stinky Bathroom", kSouth},
    {"Cork Cineplex", kNorth, "Grand Parade north", kSouth},
    {"Cork Cineplex", kSouth, "Grand Parade south", kNorth},
    {"Grand Parade north", kWest, "Virgin Megastore", kEast},
    {"Grand Parade north", kNorth, "McDonald's", kSouth},
    {"Grand Parade south", kEast, "The English Market", kWest},
    {"Grand Parade north", kEast, "Saint Patrick's Street west", kWest},
    {"Saint Patrick's Street west", kNorth, "Paul Street Shopping Center", kSouth},
    {"Saint Patrick's Street west", kEast, "Saint Patrick's Street east", kWest},
    {"Saint Patrick's Street east", kNorth, "Spectra Photo", kSouth},
    {"Saint Patrick's Street east", kEast, "Saint Patrick's Bridge", kSouth},  // bent
    {"Saint Patrick's Bridge", kNorth, "Bridge Street", kSouth},
    {"Bridge Street", kNorth, "Saint Patrick's Hill", kSouth},
    {"Bridge Street", kWest, "Pope's Quay", kEast},
    {"Pope's Quay", kWest, "North Mall", kEast},
    {"North Mall", kNorth, "The Franciscan Well", kSouth},
    {"The English Market", kEast, "Princes' Street", kWest},
    {"Princes' Street", kNorth, "Saint Patrick's Street west", kSouth},
    {"Princes' Street", kSouth, "Oliver Plunkett Street central", kNorth},
    {"Oliver Plunkett Street central", kEast, "Oliver Plunkett Street east", kWest},
    {"Oliver Plunkett Street central", kWest, "Oliver Plunkett Street west", kEast},
    {"The Old Oak", kSouth, "Oliver Plunkett Street east", kNorth},
    {"Oliver Plunkett Street west", kNorth, "The Cube", kSouth},
    {"Oliver Plunkett Street west", kWest, "Grand Parade south", kSouth},  // bent
};

void world::BuildMap(load_report& report) {
  std::vector<room>& rooms = Tables().rooms;
  for (const connection& link : kCityMap) {
    const int first = RoomByName(link.first);
    if (first == kNone) {
      report.Add(data_file::kRooms, 0, problem::kNoMapPlace, link.first);
    }
    const int second = RoomByName(link.second);
    if (second == kNone) {
      report.Add(data_file::kRooms, 0, problem::kNoMapPlace, link.second);
    }
    if (first == kNone || second == kNone) {
      continue;
    }
    // An ordinary connection leads back the opposite way; a bent one does not.
    rooms[static_cast<std::size_t>(first)].exits[IndexOf(link.way)] = static_cast<slot>(second);
    rooms[static_cast<std::size_t>(second)].exits[IndexOf(link.wayBack)] = static_cast<slot>(first);
  }
}

}  // namespace quillmore
