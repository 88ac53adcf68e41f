#include "world/city_map.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "test_world.h"

namespace quillmore {
namespace {

// A rooms file with one room per map name, in the order the names first appear.
std::string MapRooms() {
  std::set<std::string> seen;
  std::string text = "Fitzgerald Park\nd\nd";
  seen.insert("Fitzgerald Park");
  for (const connection& link : BuiltIn().map.links) {
    for (const std::string& name : {link.first, link.second}) {
      if (seen.insert(name).second) {
        text += "\n" + name + "\nd\nd";
      }
    }
  }
  return text;
}

// The room named exactly so, or none.
int Find(const world& game, const std::string& name) {
  for (int at = 0; at < game.RoomCount(); ++at) {
    if (game.RoomAt(at).name == name) {
      return at;
    }
  }
  return kNone;
}

int ExitCount(const world& game) {
  int count = 0;
  for (int at = 0; at < game.RoomCount(); ++at) {
    for (const direction way :
         {direction::kNorth, direction::kSouth, direction::kEast, direction::kWest}) {
      count += game.RoomAt(at).GetExit(way) != kNone ? 1 : 0;
    }
  }
  return count;
}

TEST(CityMap, LinksThirtyEightPlacesBothWaysWithNoExitSetTwice) {
  test_world play;
  world& game = play.game;
  EXPECT_EQ(LoadWorld(game, MapRooms(), "x\nPark", "x\nd\nPark", true), "");
  EXPECT_EQ(game.RoomCount(), 38);
  for (const connection& link : BuiltIn().map.links) {
    const int first = Find(game, link.first);
    const int second = Find(game, link.second);
    ASSERT_NE(first, kNone) << link.first;
    ASSERT_NE(second, kNone) << link.second;
    EXPECT_EQ(game.RoomAt(first).GetExit(link.way), second) << link.first << " to " << link.second;
    EXPECT_EQ(game.RoomAt(second).GetExit(link.wayBack), first)
        << link.second << " back to " << link.first;
  }
  EXPECT_EQ(ExitCount(game), 80);
}

TEST(CityMap, ThreeLinksAreBent) {
  std::set<std::string> bent;
  for (const connection& link : BuiltIn().map.links) {
    if (link.IsBent()) {
      bent.insert(std::string(link.first) + " -> " + link.second);
    }
  }
  EXPECT_EQ(bent, (std::set<std::string>{
                      "UCC Gate -> University College Cork",
                      "Saint Patrick's Street east -> Saint Patrick's Bridge",
                      "Oliver Plunkett Street west -> Grand Parade south",
                  }));
  test_world play;
  world& game = play.game;
  LoadWorld(game, MapRooms(), "x\nPark", "x\nd\nPark", true);
  const room& college = game.RoomAt(Find(game, "University College Cork"));
  EXPECT_EQ(college.GetExit(direction::kNorth), Find(game, "Gaol Walk"));
  EXPECT_EQ(college.GetExit(direction::kEast), Find(game, "UCC Gate"));
  EXPECT_EQ(game.RoomAt(Find(game, "Grand Parade south")).GetExit(direction::kNorth),
            Find(game, "Cork Cineplex"));
}

TEST(CityMap, SkipsAConnectionWhosePlaceIsMissing) {
  test_world play;
  world& game = play.game;
  const std::string output =
      LoadWorld(game, "Fitzgerald Park\nd\nd\nWestern Road east\nd\nd\nGaol Walk\nd\nd", "x\nPark",
                "x\nd\nPark", true);
  const room& road = game.RoomAt(Find(game, "Western Road east"));
  EXPECT_EQ(road.GetExit(direction::kNorth), Find(game, "Fitzgerald Park"));
  EXPECT_EQ(road.GetExit(direction::kSouth), Find(game, "Gaol Walk"));
  EXPECT_EQ(road.GetExit(direction::kEast), kNone);
  EXPECT_EQ(ExitCount(game), 4);
  EXPECT_NE(output.find("No match for given place name. Cannot create pointer.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace quillmore
