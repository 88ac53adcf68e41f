#include "tools/check/side_quest.h"

#include <algorithm>
#include <map>
#include <string>

#include "story/story.h"
#include "world/name_match.h"

// The fifth reduction (the first four are in explorer.cpp): the pub drinks as things to pick up.
// When every object whose name holds a pub drink's lies in a room, or is carried from the start,
// and the search of the story did not move it (nobody wants it, no hand-over takes it, and its name
// contains no other object's and is contained in none), then getting it changes nothing but its own
// place: no command's outcome reads where it is, and nothing takes it from the player again. A
// state of the side quest is then a state of that search together with which of those objects the
// player carries, and its commands are that search's commands, which keep what is carried, and
// getting one of them where it lies. The side quest is searched on that product without playing a
// command again.

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

// More objects that hold a pub drink's name than this take a search of their own.
constexpr int kMostCollectibles = 12;

struct collectible {
  std::string name;
  unsigned drinks;  // the pub drinks whose names its name holds, one bit each
  int room;         // where it lies
};

// The room where an object lies at the start, or kNone.
int StartingRoom(const world& start, int item) {
  for (int place = 0; place < start.RoomCount(); ++place) {
    for (const int lying : start.ObjectsIn(place)) {
      if (lying == item) {
        return place;
      }
    }
  }
  return kNone;
}

class side_quest {
 public:
  side_quest(const play_graph& graph, std::vector<collectible> items, unsigned every)
      : graph(graph), items(std::move(items)), masks(1U << this->items.size()), every(every) {
    for (unsigned mask = 0; mask < masks; ++mask) {
      unsigned drinks = 0;
      for (std::size_t i = 0; i < this->items.size(); ++i) {
        drinks |= (mask & (1U << i)) != 0 ? this->items[i].drinks : 0U;
      }
      covered.push_back(drinks);
    }
  }

  void Run(bool complete, exploration& found);

 private:
  using state = std::size_t;  // a node and a set of carried drinks: node * masks + mask
  state At(int node, unsigned mask) const { return static_cast<state>(node) * masks + mask; }
  int Node(state at) const { return static_cast<int>(at / masks); }
  unsigned Mask(state at) const { return static_cast<unsigned>(at % masks); }
  // Whether a win with these drinks picked up, and those the win's own state carries, has
  // every pub drink.
  bool AllDrinks(unsigned mask, const play_graph::edge& win) const {
    return every != 0 && (covered[mask] | win.drinks) == every;
  }
  bool Lies(std::size_t i, int node, unsigned mask) const {
    return items[i].room == graph.nodes[static_cast<std::size_t>(node)].room &&
           (mask & (1U << i)) == 0;
  }
  void Reach(state from, state to, int by);
  play PathTo(state at) const;
  typed_command Action(int by) const;
  std::vector<std::vector<bool>> CanWin() const;

  const play_graph& graph;
  std::vector<collectible> items;
  unsigned masks;
  unsigned every;
  std::vector<unsigned> covered;
  // By state: how it was first reached; unreached states have a depth of -1.
  std::vector<state> parent;
  std::vector<int> action;
  std::vector<int> depth;
  std::vector<state> order;
};

void side_quest::Reach(state from, state to, int by) {
  if (depth[to] >= 0) {
    return;
  }
  parent[to] = from;
  action[to] = by;
  depth[to] = depth[from] + 1;
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
  for (; depth[at] > 0; at = parent[at]) {
    path.push_back(Action(action[at]));
  }
  std::reverse(path.begin(), path.end());
  return path;
}

// By set of drinks, then node: whether a game won with every drink can be reached. A set is
// worked out after every set that holds one more drink.
std::vector<std::vector<bool>> side_quest::CanWin() const {
  std::vector<std::vector<int>> comesFrom(graph.nodes.size());
  for (const play_graph::edge& link : graph.edges) {
    if (link.to >= 0) {
      comesFrom[static_cast<std::size_t>(link.to)].push_back(link.from);
    }
  }
  std::vector<std::vector<bool>> can(masks, std::vector<bool>(graph.nodes.size(), false));
  for (unsigned mask = masks; mask-- > 0;) {
    std::vector<bool>& here = can[mask];
    std::vector<int> toVisit;
    for (const play_graph::edge& link : graph.edges) {
      if (link.to < 0 && AllDrinks(mask, link)) {
        toVisit.push_back(link.from);
      }
    }
    for (std::size_t node = 0; node < graph.nodes.size(); ++node) {
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (Lies(i, static_cast<int>(node), mask) && can[mask | (1U << i)][node]) {
          toVisit.push_back(static_cast<int>(node));
        }
      }
    }
    while (!toVisit.empty()) {
      const int at = toVisit.back();
      toVisit.pop_back();
      if (here[static_cast<std::size_t>(at)]) {
        continue;
      }
      here[static_cast<std::size_t>(at)] = true;
      for (const int before : comesFrom[static_cast<std::size_t>(at)]) {
        toVisit.push_back(before);
      }
    }
  }
  return can;
}

void side_quest::Run(bool complete, exploration& found) {
  const std::size_t states = graph.nodes.size() * masks;
  parent.assign(states, 0);
  action.assign(states, -1);
  depth.assign(states, -1);
  const state first = At(0, 0);
  depth[first] = 0;
  order.push_back(first);
  const auto getting = static_cast<int>(graph.actions.size());
  for (std::size_t next = 0; next < order.size(); ++next) {
    const state at = order[next];
    const int node = Node(at);
    const unsigned mask = Mask(at);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (Lies(i, node, mask)) {
        Reach(at, At(node, mask | (1U << i)), getting + static_cast<int>(i));
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
  const std::vector<std::vector<bool>> can = CanWin();
  std::map<int, state> nearest;  // by command: the nearest state it closes the way from
  for (const state at : order) {
    const int node = Node(at);
    const unsigned mask = Mask(at);
    const play_graph::node& here = graph.nodes[static_cast<std::size_t>(node)];
    for (int e = here.firstEdge; e < here.endEdge; ++e) {
      const play_graph::edge& link = graph.edges[static_cast<std::size_t>(e)];
      if (link.to >= 0 && can[mask][static_cast<std::size_t>(node)] &&
          !can[mask][static_cast<std::size_t>(link.to)]) {
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
  // Drinks the graph moves, and those carried from the start, count in the wins themselves;
  // drinks somebody holds and never hands over are out of reach for good.
  std::vector<collectible> items;
  for (int item = 0; item < start.ObjectCount(); ++item) {
    const unsigned drinks = PubDrinksIn(start, start.ObjectAt(item).name);
    const int room = StartingRoom(start, item);
    if (drinks != 0 && !moved[static_cast<std::size_t>(item)] && room >= 0) {
      items.push_back({start.ObjectAt(item).name, drinks, room});
    }
  }
  if (items.size() > kMostCollectibles) {
    return false;
  }
  side_quest(graph, items, EveryPubDrink(start)).Run(found.finished, found);
  return true;
}

}  // namespace quillmore
