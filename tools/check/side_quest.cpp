#include "tools/check/side_quest.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "story/story.h"
#include "world/name_match.h"

// The pub drinks as things to pick up. Call a collectible an object whose name holds a pub
// drink's, that lies in a room at the start and that the search of the story did not follow
// (nobody wants it, no hand-over takes it, and it holds no object the story reads). Getting a
// collectible changes nothing but its own place: no command's outcome reads where it is, and
// nothing takes it from the player again. When, besides, no object that search follows holds a
// collectible's name (checked on the data), then a whole name of a collectible, typed where it
// lies, picks the first collectible of that room, in the order they lay at the start, whose name
// contains it: collectibles never move but into the player's pocket, and what else lies there
// cannot come first.
//
// Only the drinks carried count at the win, so a state of the side quest is a state of that
// search together with the set of drinks that the collectibles picked up hold: one bit a drink
// of the story, not one for each collectible. That is exact. A collectible whose drinks are not all
// carried yet still lies where it lay, and so does every collectible that could come before it,
// since such one holds its name and so every drink it holds. So the set of drinks alone says which
// collectibles can still be picked, and picking one whose drinks are all carried already changes
// nothing that counts. Its commands are that search's commands, which keep what is carried, and
// getting a collectible that brings a drink not yet carried. The side quest is searched on that
// product without playing a command again.

namespace quillmore {

namespace {

// One bit a drink.
constexpr std::size_t kMostDrinks = 31;

}  // namespace

unsigned PubDrinksIn(const world& game, const std::string& name) {
  const std::vector<drink>& drinks = game.Story()->drinks;
  unsigned held = 0;
  for (std::size_t i = 0; i < drinks.size() && i < kMostDrinks; ++i) {
    held |= NameContains(name, drinks[i].name) ? 1U << i : 0U;
  }
  return held;
}

unsigned EveryPubDrink(const world& game) {
  const std::size_t count = std::min(game.Story()->drinks.size(), kMostDrinks);
  return (1U << count) - 1;
}

namespace {

// A state of the side quest for every set of drinks at every state of the story: 32 million of
// them take some 400 MB. A story whose drinks would make more takes the search that follows the
// drinks instead (on the city's 78,850 states of the story, more than eight drinks).
constexpr std::size_t kMostSetDrinks = 16;
constexpr std::size_t kMostStates = std::size_t{1} << 25;

struct collectible {
  std::string name;
  unsigned drinks;  // the pub drinks whose names its name holds, one bit each
  int room;         // where it lies
  bool first;       // no collectible before it in its room holds its name
};

// One more than the highest room a collectible lies in.
int RoomsOf(const std::vector<collectible>& items) {
  int rooms = 0;
  for (const collectible& item : items) {
    rooms = std::max(rooms, item.room + 1);
  }
  return rooms;
}

class side_quest {
 public:
  side_quest(const play_graph& graph, std::vector<collectible> items, unsigned every)
      : graph(graph), items(std::move(items)), sets(every + 1), every(every) {}

  void Run(bool complete, exploration& found);

 private:
  using state = std::uint32_t;  // a node and a set of carried drinks: node * sets + mask
  state At(int node, unsigned mask) const { return static_cast<state>(node) * sets + mask; }
  int Node(state at) const { return static_cast<int>(at / sets); }
  unsigned Mask(state at) const { return static_cast<unsigned>(at % sets); }
  // Whether a win with these drinks picked up, and those the win's own state carries, has
  // every pub drink.
  bool AllDrinks(unsigned mask, const play_graph::edge& win) const {
    return every != 0 && (mask | win.drinks) == every;
  }
  // Whether the i-th collectible can be picked, and brings a drink not yet carried.
  bool Lies(std::size_t i, int node, unsigned mask) const {
    return items[i].room == graph.nodes[static_cast<std::size_t>(node)].room && items[i].first &&
           (items[i].drinks & ~mask) != 0;
  }
  void Reach(state from, state to, int by);
  play PathTo(state at) const;
  typed_command Action(int by) const;
  // By set of drinks, then node.
  std::vector<std::vector<char>> CanWin() const;

  const play_graph& graph;
  std::vector<collectible> items;
  unsigned sets;   // the sets of drinks carried: one more than every drink's bits
  unsigned every;  // every drink of the story, one bit each; none when it has no drinks
  // By state: how it was first reached; unreached states have no action.
  static constexpr int kUnreached = -2;
  static constexpr int kStart = -1;
  struct reached {
    state parent = 0;
    int action = kUnreached;
  };
  std::vector<reached> how;
  // By state, one bit: whether it was reached. Every edge asks, and a bit a state stays in the
  // processor's cache where `how` does not.
  std::vector<bool> seen;
  std::vector<state> order;
};

void side_quest::Reach(state from, state to, int by) {
  if (seen[to]) {
    return;
  }
  seen[to] = true;
  how[to] = {from, by};
  order.push_back(to);
}

// Getting the i-th drink is command graph.actions.size() + i.
typed_command side_quest::Action(int by) const {
  const auto size = static_cast<int>(graph.actions.size());
  if (by < size) {
    return graph.actions[static_cast<std::size_t>(by)];
  }
  return {"get " + items[static_cast<std::size_t>(by - size)].name};
}

play side_quest::PathTo(state at) const {
  play path;
  for (; how[at].action != kStart; at = how[at].parent) {
    path.push_back(Action(how[at].action));
  }
  std::reverse(path.begin(), path.end());
  return path;
}

// By set of drinks, then node: whether a game won with every drink can be reached. A set is
// worked out after every set that holds one more drink.
std::vector<std::vector<char>> side_quest::CanWin() const {
  const std::size_t nodes = graph.nodes.size();
  // The edges between nodes, by the node they lead to, and the winning ones.
  std::vector<int> firstFrom(nodes + 1, 0);
  std::vector<const play_graph::edge*> wins;
  for (const play_graph::edge& link : graph.edges) {
    if (link.to >= 0) {
      ++firstFrom[static_cast<std::size_t>(link.to) + 1];
    } else {
      wins.push_back(&link);
    }
  }
  for (std::size_t node = 0; node < nodes; ++node) {
    firstFrom[node + 1] += firstFrom[node];
  }
  std::vector<int> comesFrom(static_cast<std::size_t>(firstFrom[nodes]));
  std::vector<int> filled(firstFrom.begin(), firstFrom.end() - 1);
  std::vector<std::vector<int>> nodesIn(static_cast<std::size_t>(std::max(1, RoomsOf(items))));
  for (const play_graph::edge& link : graph.edges) {
    if (link.to >= 0) {
      comesFrom[static_cast<std::size_t>(filled[static_cast<std::size_t>(link.to)]++)] = link.from;
    }
  }
  for (std::size_t node = 0; node < nodes; ++node) {
    const auto room = static_cast<std::size_t>(graph.nodes[node].room);
    if (room < nodesIn.size()) {
      nodesIn[room].push_back(static_cast<int>(node));
    }
  }
  std::vector<std::vector<char>> can(sets);
  for (unsigned mask = sets; mask-- > 0;) {
    std::vector<char>& here = can[mask];
    here.assign(nodes, 0);
    std::vector<int> toVisit;
    for (const play_graph::edge* win : wins) {
      if (AllDrinks(mask, *win)) {
        toVisit.push_back(win->from);
      }
    }
    for (const collectible& item : items) {
      if (item.first && (item.drinks & ~mask) != 0) {
        for (const int node : nodesIn[static_cast<std::size_t>(item.room)]) {
          if (can[mask | item.drinks][static_cast<std::size_t>(node)] != 0) {
            toVisit.push_back(node);
          }
        }
      }
    }
    while (!toVisit.empty()) {
      const auto at = static_cast<std::size_t>(toVisit.back());
      toVisit.pop_back();
      if (here[at] != 0) {
        continue;
      }
      here[at] = 1;
      for (int e = firstFrom[at]; e < firstFrom[at + 1]; ++e) {
        toVisit.push_back(comesFrom[static_cast<std::size_t>(e)]);
      }
    }
  }
  return can;
}

void side_quest::Run(bool complete, exploration& found) {
  const std::size_t states = graph.nodes.size() * sets;
  how.assign(states, reached{});
  seen.assign(states, false);
  const state first = At(0, 0);
  how[first].action = kStart;
  seen[first] = true;
  order.push_back(first);
  const auto getting = static_cast<int>(graph.actions.size());
  for (std::size_t next = 0; next < order.size(); ++next) {
    const state at = order[next];
    const int node = Node(at);
    const unsigned mask = Mask(at);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (Lies(i, node, mask)) {
        Reach(at, At(node, mask | items[i].drinks), getting + static_cast<int>(i));
      }
    }
    const play_graph::node& here = graph.nodes[static_cast<std::size_t>(node)];
    for (int e = here.firstEdge; e < here.endEdge; ++e) {
      const play_graph::edge& link = graph.edges[static_cast<std::size_t>(e)];
      if (link.to >= 0) {
        Reach(at, At(link.to, mask), link.action);
      } else if (AllDrinks(mask, link) && !found.shortestWinWithDrinks) {
        play way = PathTo(at);
        way.push_back(graph.actions[static_cast<std::size_t>(link.action)]);
        found.shortestWinWithDrinks = way;
      }
    }
  }
  found.statesWithDrinks = order.size();
  if (!complete) {
    // A state the search of the story did not reach may lie on a shorter way.
    found.drinksWinShortest = false;
    return;
  }
  const std::vector<std::vector<char>> can = CanWin();
  std::map<int, state> nearest;  // by command: the nearest state it closes the way from
  for (const state at : order) {
    const int node = Node(at);
    const unsigned mask = Mask(at);
    const play_graph::node& here = graph.nodes[static_cast<std::size_t>(node)];
    for (int e = here.firstEdge; e < here.endEdge; ++e) {
      const play_graph::edge& link = graph.edges[static_cast<std::size_t>(e)];
      if (link.to >= 0 && can[mask][static_cast<std::size_t>(node)] != 0 &&
          can[mask][static_cast<std::size_t>(link.to)] == 0) {
        nearest.emplace(link.action, at);  // states come nearest first
      }
    }
  }
  for (const auto& [by, from] : nearest) {
    play way = PathTo(from);
    way.push_back(graph.actions[static_cast<std::size_t>(by)]);
    found.sideQuestEnds.push_back({graph.actions[static_cast<std::size_t>(by)], std::move(way)});
  }
  SortWays(found.sideQuestEnds);
}

}  // namespace

bool SideQuestOnGraph(const play_graph& graph, const world& start, const std::vector<char>& moved,
                      exploration& found) {
  const std::size_t drinkCount = start.Story() == nullptr ? 0 : start.Story()->drinks.size();
  if (drinkCount > kMostSetDrinks || graph.nodes.size() << drinkCount > kMostStates) {
    return false;
  }
  // Drinks the graph moves, and those carried from the start, count in the wins themselves;
  // drinks somebody holds and never hands over are out of reach for good.
  std::vector<collectible> items;
  for (int place = 0; place < start.RoomCount(); ++place) {
    const std::size_t before = items.size();
    for (const int item : start.ObjectsIn(place)) {
      const std::string& name = start.ObjectAt(item).name;
      const unsigned drinks = PubDrinksIn(start, name);
      if (drinks == 0 || moved[static_cast<std::size_t>(item)] != 0) {
        continue;
      }
      const bool first = std::none_of(
          items.begin() + static_cast<std::ptrdiff_t>(before), items.end(),
          [&name](const collectible& earlier) { return NameContains(earlier.name, name); });
      items.push_back({name, drinks, place, first});
    }
  }
  for (int item = 0; item < start.ObjectCount(); ++item) {
    const std::string& name = start.ObjectAt(item).name;
    const bool hidesOne = std::any_of(items.begin(), items.end(), [&name](const collectible& c) {
      return NameContains(name, c.name);
    });
    if (moved[static_cast<std::size_t>(item)] != 0 && hidesOne) {
      return false;
    }
  }
  side_quest(graph, items, EveryPubDrink(start)).Run(found.finished, found);
  return true;
}

}  // namespace quillmore
