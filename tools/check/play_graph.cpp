#include "tools/check/play_graph.h"

#include <algorithm>

namespace quillmore {

int play_graph::ActionId(const typed_command& command) {
  joined.clear();
  for (const std::string& line : command) {
    joined += line;
    joined += '\n';
  }
  if (const auto found = actionIds.find(joined); found != actionIds.end()) {
    return found->second;
  }
  actionIds.emplace(joined, static_cast<int>(actions.size()));
  actions.push_back(command);
  return static_cast<int>(actions.size()) - 1;
}

play play_graph::PathTo(int at) const {
  play path;
  for (; at > 0; at = nodes[static_cast<std::size_t>(at)].parent) {
    path.push_back(actions[static_cast<std::size_t>(nodes[static_cast<std::size_t>(at)].action)]);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

std::vector<bool> play_graph::CanWin(bool withDrinks) const {
  std::vector<std::vector<int>> comesFrom(nodes.size());
  std::vector<bool> can(nodes.size(), false);
  std::vector<int> toVisit;
  for (const edge& link : edges) {
    const bool wins = link.to == kWonWithDrinks || (link.to == kWon && !withDrinks);
    if (link.to >= 0) {
      comesFrom[static_cast<std::size_t>(link.to)].push_back(link.from);
    } else if (wins && !can[static_cast<std::size_t>(link.from)]) {
      can[static_cast<std::size_t>(link.from)] = true;
      toVisit.push_back(link.from);
    }
  }
  while (!toVisit.empty()) {
    const int at = toVisit.back();
    toVisit.pop_back();
    for (const int before : comesFrom[static_cast<std::size_t>(at)]) {
      if (!can[static_cast<std::size_t>(before)]) {
        can[static_cast<std::size_t>(before)] = true;
        toVisit.push_back(before);
      }
    }
  }
  return can;
}

std::vector<lost_way> play_graph::Closers(const std::vector<bool>& canWin) const {
  std::map<int, int> nearest;  // by command: the nearest node it closes the way from
  for (const edge& link : edges) {
    if (link.to < 0 || !canWin[static_cast<std::size_t>(link.from)] ||
        canWin[static_cast<std::size_t>(link.to)]) {
      continue;
    }
    const auto [at, added] = nearest.emplace(link.action, link.from);
    if (!added && nodes[static_cast<std::size_t>(link.from)].depth <
                      nodes[static_cast<std::size_t>(at->second)].depth) {
      at->second = link.from;
    }
  }
  std::vector<lost_way> closers;
  for (const auto& [action, from] : nearest) {
    play way = PathTo(from);
    way.push_back(actions[static_cast<std::size_t>(action)]);
    closers.push_back({actions[static_cast<std::size_t>(action)], std::move(way)});
  }
  SortWays(closers);
  return closers;
}

// Edges are added in the order their nodes were reached, nearest first: the first winning one
// ends a shortest win.
std::optional<play> play_graph::ShortestWin(bool withDrinks) const {
  for (const edge& link : edges) {
    if (link.to == kWonWithDrinks || (link.to == kWon && !withDrinks)) {
      play way = PathTo(link.from);
      way.push_back(actions[static_cast<std::size_t>(link.action)]);
      return way;
    }
  }
  return std::nullopt;
}

std::string OneLine(const typed_command& command) {
  std::string text;
  for (const std::string& line : command) {
    text += (text.empty() ? "" : " / ") + line;
  }
  return text;
}

void SortWays(std::vector<lost_way>& ways) {
  std::sort(ways.begin(), ways.end(), [](const lost_way& a, const lost_way& b) {
    return a.shortest.size() != b.shortest.size() ? a.shortest.size() < b.shortest.size()
                                                  : a.closedBy < b.closedBy;
  });
}

}  // namespace quillmore
