#include "tools/studio/proof.h"

#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "console/read_only_file_system.h"
#include "game/game.h"
#include "story/story.h"
#include "tools/check/play_graph.h"
#include "tools/map/city_map_dot.h"
#include "tools/map/story_dot.h"
#include "tools/studio/json_text.h"
#include "world/city_map.h"

namespace quillmore {

namespace {

const char* const kWayNames[kDirectionCount] = {"N", "S", "E", "W"};

// The name the checker suggests in `did you mean "NAME"?`, or empty.
std::string DidYouMean(const std::string& message) {
  const std::string lead = "did you mean \"";
  const std::size_t from = message.find(lead);
  if (from == std::string::npos) {
    return "";
  }
  const std::size_t begin = from + lead.size();
  const std::size_t end = message.find('"', begin);
  return end == std::string::npos ? "" : message.substr(begin, end - begin);
}

void Finding(json_text& json, const finding& found) {
  json.Open().Key("file");
  if (found.wholeGame) {
    json.Null();
  } else {
    json.String(FileName(found.file));
  }
  json.Key("line").Number(found.line).Key("message").String(found.message);
  json.Key("didYouMean").String(DidYouMean(found.message)).Close();
}

void Lines(json_text& json, const play& commands) {
  json.OpenList();
  for (const typed_command& command : commands) {
    for (const std::string& line : command) {
      json.String(line);
    }
  }
  json.CloseList();
}

void Commands(json_text& json, const std::optional<play>& win, bool proven) {
  if (win && proven) {
    json.Number(static_cast<long long>(win->size()));
  } else {
    json.Null();
  }
}

void Verdict(json_text& json, const exploration* found, bool loaded,
             const std::vector<finding>& said) {
  json.Key("verdict").Open().Key("wins");
  Commands(json, found ? found->shortestWin : std::nullopt, true);
  json.Key("winsWithDrinks");
  Commands(json, found ? found->shortestWinWithDrinks : std::nullopt,
           found && found->drinksWinShortest);
  json.Key("finished").Truth(found && found->finished).Key("loaded").Truth(loaded);
  json.Key("lines").OpenList();
  for (const finding& each : said) {
    if (each.wholeGame) {
      json.String(each.message);
    }
  }
  json.CloseList().Close();
}

void Ways(json_text& json, const char* key, const std::vector<lost_way>& ways) {
  json.Key(key).OpenList();
  for (const lost_way& way : ways) {
    json.Open().Key("closedBy").String(OneLine(way.closedBy)).Key("play");
    Lines(json, way.shortest);
    json.Close();
  }
  json.CloseList();
}

// The map the author's map.txt draws, or the built-in one when there is none, laid out as
// quillmore-map lays it out.
void Map(json_text& json, const city_map& map, const load_report& loaded) {
  std::set<std::string> missing;
  for (const load_problem& found : loaded.problems) {
    if (found.what == problem::kNoMapPlace) {
      missing.insert(found.text);
    }
  }
  json.Key("map").Open().Key("places").OpenList();
  for (const auto& [place, cell] : CityMapCells(map)) {
    json.Open().Key("name").String(place).Key("x").Number(cell.x).Key("y").Number(cell.y);
    json.Key("start").Truth(place == map.start).Key("missing").Truth(missing.contains(place));
    json.Close();
  }
  json.CloseList().Key("links").OpenList();
  for (const connection& link : map.links) {
    json.Open().Key("from").String(link.first).Key("way").String(kWayNames[IndexOf(link.way)]);
    json.Key("to").String(link.second).Key("back").String(kWayNames[IndexOf(link.wayBack)]);
    json.Key("bent").Truth(link.IsBent()).Close();
  }
  json.CloseList().Close();
}

}  // namespace

proof Prove(const std::string& folder, std::size_t maxStates) {
  proof proven;
  proven.problems = CheckData(folder);
  proven.clock.Lap("check");
  read_only_file_system disk;
  proven.data = ReadDataFiles(disk, folder);
  proven.starts = LoadWorld(proven.start, proven.data, proven.loaded);
  proven.clock.Lap("load");
  if (proven.starts) {
    proven.found = Explore(proven.start, maxStates);
    proven.clock.Lap("search");
    proven.said = Report(*proven.found, proven.start, proven.loaded);
    proven.clock.Lap("report");
  }
  return proven;
}

std::string VerdictJson(const proof& proven) {
  json_text json;
  json.Open().Key("problems").OpenList();
  for (const finding& found : proven.problems) {
    Finding(json, found);
  }
  json.CloseList();
  Verdict(json, proven.found ? &*proven.found : nullptr, proven.starts, proven.said.findings);
  json.Key("timings");
  proven.clock.Write(json);
  return json.Close().Text();
}

std::string RestJson(const proof& proven) {
  step_clock clock;
  const std::optional<exploration>& found = proven.found;
  json_text json;
  json.Open();
  Ways(json, "deadEnds", found ? found->deadEnds : std::vector<lost_way>{});
  Ways(json, "sideQuestEnds", found ? found->sideQuestEnds : std::vector<lost_way>{});
  json.Key("walkthrough");
  Lines(json, found && found->shortestWin ? *found->shortestWin : play{});
  json.Key("unreached").OpenList();
  for (const finding& each : proven.said.findings) {
    if (!each.wholeGame) {
      Finding(json, each);
    }
  }
  json.CloseList();
  clock.Lap("lists");
  // The pictures come from the author's map.txt and story.txt as read, even when the other
  // files do not load.
  load_report drawn;
  const std::shared_ptr<const story> told = ReadStoryFiles(proven.data, drawn);
  Map(json, told->map, proven.loaded);
  std::ostringstream chain;
  WriteStoryDot(chain, *told);
  json.Key("chain").String(chain.str());
  clock.Lap("pictures");
  json.Key("timings");
  clock.Write(json);
  return json.Close().Text();
}

}  // namespace quillmore
