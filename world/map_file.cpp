#include "world/map_file.h"

#include "world/story_lines.h"

namespace quillmore {

namespace {

void Complain(load_report& report, int line, story_fault what, std::string_view text) {
  report.Add(data_file::kMap, line, what, text);
}

// "PLACE go WAY to PLACE", with ", back WAY" after it for a bent connection.
void ReadConnection(std::string_view rest, int line, city_map& map, load_report& report) {
  const std::size_t go = rest.find(" go ");
  const std::size_t to = go == std::string_view::npos ? go : rest.find(" to ", go + 4);
  if (to == std::string_view::npos) {
    Complain(report, line, story_fault::kUnknownLine, "from " + std::string(rest));
    return;
  }
  const std::string_view wayWord = rest.substr(go + 4, to - go - 4);
  std::string_view second = rest.substr(to + 4);
  std::string_view backWord;
  if (const std::size_t back = second.rfind(", back "); back != std::string_view::npos) {
    backWord = second.substr(back + 7);
    second = second.substr(0, back);
  }
  const std::optional<direction> way = WayNamed(wayWord);
  if (!way) {
    Complain(report, line, story_fault::kNoWay, wayWord);
    return;
  }
  const std::optional<direction> wayBack = backWord.empty() ? Opposite(*way) : WayNamed(backWord);
  if (!wayBack) {
    Complain(report, line, story_fault::kNoWay, backWord);
    return;
  }
  if (second.empty()) {
    Complain(report, line, story_fault::kUnknownLine, "from " + std::string(rest));
    return;
  }
  map.links.push_back({std::string(rest.substr(0, go)), *way, std::string(second), *wayBack, line});
}

}  // namespace

city_map ReadMap(std::string_view text, load_report& report) {
  city_map map;
  for (const story_line& line : StoryLines(text)) {
    std::string_view rest = line.content;
    if (line.isText) {
      Complain(report, line.number, story_fault::kStrayText, rest);
    } else if (TakeKeyword(rest, "start") && !rest.empty()) {
      if (map.startLine != 0) {
        Complain(report, line.number, story_fault::kTwice, "start");
      }
      map.start = rest;
      map.startLine = line.number;
    } else if (TakeKeyword(rest, "from")) {
      ReadConnection(rest, line.number, map, report);
    } else {
      Complain(report, line.number, story_fault::kUnknownLine, line.content);
    }
  }
  if (map.startLine == 0) {
    Complain(report, 0, story_fault::kNoStart, "start");
  }
  return map;
}

}  // namespace quillmore
