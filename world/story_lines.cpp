#include "world/story_lines.h"

namespace quillmore {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr const char* kWayNames[kDirectionCount] = {"north", "south", "east", "west"};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::vector<story_line> StoryLines(std::string_view file) {
  std::vector<story_line> lines;
  int number = 0;
  while (!file.empty()) {
    const std::size_t end = file.find('\n');
    std::string_view line = file.substr(0, end);
    file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
    ++number;
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == '#') {
      continue;
    }
    if (trimmed.front() == '>') {
      std::string_view text = line.substr(line.find('>') + 1);
      if (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
      }
      lines.push_back({number, true, text});
    } else {
      lines.push_back({number, false, trimmed});
    }
  }
  return lines;
}

bool TakeKeyword(std::string_view& line, std::string_view keyword) {
  if (!line.starts_with(keyword)) {
    return false;
  }
  const std::string_view rest = line.substr(keyword.size());
  if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') {
    return false;
  }
  line = Trimmed(rest);
  return true;
}

std::optional<direction> WayNamed(std::string_view word) {
  for (int way = 0; way < kDirectionCount; ++way) {
    if (word == kWayNames[way]) {
      return static_cast<direction>(way);
    }
  }
  return std::nullopt;
}

const char* WayName(direction way) {
  return kWayNames[IndexOf(way)];
}

}  // namespace quillmore
