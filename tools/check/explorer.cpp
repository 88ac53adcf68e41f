#include "tools/check/explorer.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <map>
#include <sstream>
#include <unordered_map>
#include <utility>

#include "console/console.h"
#include "game/command_loop.h"
#include "story/pub_drinks.h"
#include "story/rules.h"
#include "story/story.h"
#include "tools/check/play_graph.h"
#include "tools/check/side_quest.h"
#include "world/direction.h"
#include "world/name_match.h"

// The search plays the real game: each command is typed into the game's own command loop on a
// copy of the world, and the world it leaves is the next state. It tries, in every state it
// reaches, every command that can change the world: the four moves, getting, dropping, giving
// each object to each person, and talking to each person with each answer. Looking, the
// inventory, the list of commands, a refused gift or a wall change nothing and are left out.
//
// Names are typed as the player may type them. A typed text picks the first record, in list
// order, whose name contains it. So an item of a list can be picked by some text exactly when
// no item before it has a name that contains its whole name: then its whole name picks it, and
// otherwise every text it contains is contained in that earlier item too. Every text therefore
// picks one of the items that can be picked, and each of those is picked by its whole name: the
// search types whole names, and leaves out the items nothing can pick.
//
// The states of play are far too many to visit whole, because every object can be carried
// anywhere and lists can be in any order. These reductions keep the search small, each sound by
// the argument beside it, none hiding a win or a dead end:
//
// 1. Order. By the rule above, which item of a list can be picked depends only on which names
//    contain one another. So the order of a room's objects and of the inventory is kept only
//    among objects whose name contains, or is contained in, another object's name. The story's
//    hand-overs take the first held object whose name contains what is handed over, so the order
//    of a person's held objects is kept among objects whose names contain such a text. People
//    move only when the story brings one in, and their order is kept whole.
// 2. Objects that matter to nothing. An object that nobody wants, that no hand-over takes,
//    that is no pub drink (in the search for the side quest) and whose name neither contains nor
//    is contained in another object's name changes no command's outcome but its own getting and
//    dropping: the search leaves it where it lies.
// 3. Drops. Nothing in the game asks for an object not to be carried, and an object that
//    contains no other's name and is contained in none blocks no pick. When every room the
//    player can reach leads back to where the game starts (the map links both ways), a dropped
//    object can always be fetched again: a drop neither wins nor loses anything, and no winning
//    play is shorter for one. So only objects whose names contain one another are dropped.
//    When a room cannot lead back, every object the search follows is dropped as well.
// 4. Copies. Objects of one name are one as far as the game can tell: every rule reads names,
//    never slots. So a state keeps where the copies of a name are, not which copy is where.
//
// A fifth, for the pub drinks, is in side_quest.cpp. The checker tests the condition of the
// third and the fifth on every data set and searches without them where they fail; the others
// need none beyond the names, which the search reads from the data. Where a limit of states is
// hit, nothing is claimed beyond what was found.

namespace quillmore {

namespace {

constexpr const char* kMoves[kDirectionCount] = {"n", "s", "e", "w"};
constexpr direction kDirections[kDirectionCount] = {direction::kNorth, direction::kSouth,
                                                    direction::kEast, direction::kWest};
// In a state's key: the end of a list, and the place of an object in no list. Slots are below
// kTableSize; an object's place is a room's slot, kTableSize and up for a person's, or the
// inventory at twice kTableSize.
constexpr char kEndOfList = 127;
constexpr char kNowhere = static_cast<char>(250);
static_assert(kTableSize < kEndOfList);

// Whether some name of `earlier` contains `name`: then nothing the player types picks it.
bool Hidden(const std::string& name, const std::vector<const std::string*>& earlier) {
  return std::any_of(earlier.begin(), earlier.end(),
                     [&name](const std::string* before) { return NameContains(*before, name); });
}

// What the search follows of a world: which objects it moves, and whose order it keeps.
struct following {
  // By object; bytes rather than bits, since the key reads them for every state.
  std::vector<char> moved;        // objects the search gets, gives and hands over
  std::vector<char> nameTied;     // objects whose names contain one another's: order and drops
  std::vector<char> handedOrder;  // objects a hand-over may take: their order in held items
  bool dropEverything = false;    // a room the player can reach does not lead back
  // The objects the search moves, those of one name together: copies of a name are one as
  // far as the game can tell, so only where the copies are counts, not which copy is where.
  std::vector<std::vector<int>> namesakes;
  std::vector<int> firstOfName;  // by object: the first object of its name
};

bool ContainsAny(const std::string& name, const std::vector<std::string>& texts) {
  return std::any_of(texts.begin(), texts.end(),
                     [&name](const std::string& text) { return NameContains(name, text); });
}

// Whether every room the player can reach from the start leads back to it.
bool LeadsBack(const world& start) {
  const int rooms = start.RoomCount();
  const auto spread = [&](bool backwards) {
    std::vector<bool> seen(static_cast<std::size_t>(rooms), false);
    std::vector<int> toVisit{start.CurrentRoom()};
    seen[static_cast<std::size_t>(start.CurrentRoom())] = true;
    while (!toVisit.empty()) {
      const int here = toVisit.back();
      toVisit.pop_back();
      for (int other = 0; other < rooms; ++other) {
        for (const direction way : kDirections) {
          const int from = backwards ? other : here;
          const int to = backwards ? here : other;
          if (start.RoomAt(from).GetExit(way) == to && !seen[static_cast<std::size_t>(other)]) {
            seen[static_cast<std::size_t>(other)] = true;
            toVisit.push_back(other);
          }
        }
      }
    }
    return seen;
  };
  const std::vector<bool> ahead = spread(false);
  const std::vector<bool> back = spread(true);
  for (int place = 0; place < rooms; ++place) {
    if (ahead[static_cast<std::size_t>(place)] && !back[static_cast<std::size_t>(place)]) {
      return false;
    }
  }
  return true;
}

following Follow(const world& start, bool drinksMatter) {
  std::vector<std::string> wanted;
  std::vector<std::string> handedOver;
  for (const role& part : Cast()) {
    if (part.wants != nullptr) {
      wanted.emplace_back(part.wants);
    }
    if (part.handsOver != nullptr) {
      handedOver.emplace_back(part.handsOver);
    }
  }
  const std::vector<std::string> drinks(std::begin(kPubDrinks), std::end(kPubDrinks));
  following follow;
  const int count = start.ObjectCount();
  for (int item = 0; item < count; ++item) {
    const std::string& name = start.ObjectAt(item).name;
    bool tied = false;
    for (int other = 0; other < count; ++other) {
      const std::string& otherName = start.ObjectAt(other).name;
      tied = tied || (name != otherName &&
                      (NameContains(name, otherName) || NameContains(otherName, name)));
    }
    const bool handed = ContainsAny(name, handedOver);
    const bool read = std::find(wanted.begin(), wanted.end(), name) != wanted.end() || handed ||
                      (drinksMatter && ContainsAny(name, drinks));
    follow.moved.push_back(read || tied);
    follow.nameTied.push_back(tied);
    follow.handedOrder.push_back(handed);
  }
  follow.dropEverything = !LeadsBack(start);
  std::map<std::string, std::size_t> group;
  std::map<std::string, int> first;
  for (int item = 0; item < count; ++item) {
    follow.firstOfName.push_back(first.emplace(start.ObjectAt(item).name, item).first->second);
    if (follow.moved[static_cast<std::size_t>(item)]) {
      const auto [at, added] = group.emplace(start.ObjectAt(item).name, follow.namesakes.size());
      if (added) {
        follow.namesakes.emplace_back();
      }
      follow.namesakes[at->second].push_back(item);
    }
  }
  return follow;
}

// Plays typed lines on a world through the game's own command loop, saying nothing.
class player {
 public:
  // Returns what the command left the game to do; `read` is how much of `typed` it read.
  command_loop::report Play(world& game, const std::string& typed, std::size_t& read) {
    in.clear();
    in.str(typed);
    console io(in, unheard);
    const command_loop::report result = command_loop(game, io).StepThrough();
    in.clear();
    const std::streamoff at = in.tellg();
    read = (at < 0 ? typed.size() : static_cast<std::size_t>(at)) - io.Unread();
    return result;
  }

 private:
  std::istringstream in;
  std::ostream unheard{nullptr};
};

std::string Joined(const typed_command& command) {
  std::string text;
  for (const std::string& line : command) {
    text += line + "\n";
  }
  return text;
}

// Reaches every state of play from the start, breadth first, and keeps the graph.
class explorer {
 public:
  explorer(const world& start, const following& follow, std::size_t maxStates)
      : start(start), follow(follow), maxStates(maxStates) {}

  // Fills in the graph; false when the limit of states was hit first.
  bool Run(exploration& into);
  const play_graph& Graph() const { return graph; }

 private:
  std::string Key(const world& game) const;
  std::vector<typed_command> Commands(const world& game) const;
  void Expand(int from, const world& game);
  void Add(int from, int action, world&& next, std::string&& key);
  void Note(const world& game);

  const world& start;
  const following& follow;
  std::size_t maxStates;
  player typist;
  play_graph graph;
  std::unordered_map<std::string, int> seen;
  std::deque<std::pair<int, world>> toExpand;
  exploration* found = nullptr;
};
// Where the player is, each person's stages, who stands where in what order, where each object
// the search follows is, and the order of those whose order matters.
std::string explorer::Key(const world& game) const {
  // At most one byte for the room, two for each person's stages, one for each person, object
  // and object's place in the lists, and one to end each list: 1 + 4 * 100 + 2 * 100 + 2 * 100
  // + 1 bytes, with room to spare.
  std::array<char, 1024> key;
  std::size_t length = 0;
  const auto add = [&key, &length](int byte) { key[length++] = static_cast<char>(byte); };
  add(game.CurrentRoom());
  for (int someone = 0; someone < game.PeopleCount(); ++someone) {
    add(static_cast<int>(game.QuestStage(someone)));
    add(static_cast<int>(game.GiftStage(someone)));
  }
  std::array<char, kTableSize> places;
  places.fill(kNowhere);
  const auto list = [&](slot_list members, int where, const std::vector<char>& ordered) {
    for (const int item : members) {
      places[static_cast<std::size_t>(item)] = static_cast<char>(where);
      if (ordered[static_cast<std::size_t>(item)] != 0) {
        add(follow.firstOfName[static_cast<std::size_t>(item)]);
      }
    }
    add(kEndOfList);
  };
  for (int place = 0; place < game.RoomCount(); ++place) {
    for (const int member : game.PeopleIn(place)) {
      add(member);
    }
    add(kEndOfList);
    list(game.ObjectsIn(place), place, follow.nameTied);
  }
  for (int holder = 0; holder < game.PeopleCount(); ++holder) {
    list(game.HeldBy(holder), kTableSize + holder, follow.handedOrder);
  }
  list(game.Inventory(), 2 * kTableSize, follow.nameTied);
  for (const std::vector<int>& copies : follow.namesakes) {
    const std::size_t first = length;
    for (const int item : copies) {
      add(places[static_cast<std::size_t>(item)]);
    }
    std::sort(key.begin() + static_cast<std::ptrdiff_t>(first),
              key.begin() + static_cast<std::ptrdiff_t>(length));
  }
  return {key.data(), length};
}

std::vector<typed_command> explorer::Commands(const world& game) const {
  std::vector<typed_command> commands;
  const int here = game.CurrentRoom();
  for (int way = 0; way < kDirectionCount; ++way) {
    if (game.RoomAt(here).GetExit(kDirections[way]) != kNone) {
      commands.push_back({kMoves[way]});
    }
  }
  // What get picks: the room's objects, then the carried ones.
  std::vector<const std::string*> earlier;
  for (const int item : game.ObjectsIn(here)) {
    const std::string& name = game.ObjectAt(item).name;
    if (follow.moved[static_cast<std::size_t>(item)] && !name.empty() && !Hidden(name, earlier)) {
      commands.push_back({"get " + name});
    }
    earlier.push_back(&name);
  }
  std::vector<const std::string*> carried;
  for (const int item : game.Inventory()) {
    const std::string& name = game.ObjectAt(item).name;
    const bool tied = follow.nameTied[static_cast<std::size_t>(item)];
    if (tied && !name.empty() && !Hidden(name, earlier)) {
      commands.push_back({"get " + name});  // picked up again: to the front
    }
    if ((tied || (follow.dropEverything && follow.moved[static_cast<std::size_t>(item)])) &&
        !name.empty() && !Hidden(name, carried)) {
      commands.push_back({"drop " + name});
    }
    earlier.push_back(&name);
    carried.push_back(&name);
  }
  std::vector<const std::string*> people;
  for (const int member : game.PeopleIn(here)) {
    const std::string& name = game.PersonAt(member).name;
    const role* part = RoleOf(name);
    if (part != nullptr && !name.empty() && !Hidden(name, people)) {
      if (part->wants != nullptr) {
        const int item = game.FindInInventory(part->wants);
        if (item != kNone && game.ObjectAt(item).name == part->wants) {
          commands.push_back({"give " + game.ObjectAt(item).name, name});
        }
      }
      commands.push_back({"talk " + name});
    }
    people.push_back(&name);
  }
  return commands;
}

void explorer::Expand(int from, const world& game) {
  const std::string here = Key(game);
  graph.nodes[static_cast<std::size_t>(from)].firstEdge = static_cast<int>(graph.edges.size());
  for (typed_command command : Commands(game)) {
    const bool talk = command.front().rfind("talk ", 0) == 0;
    const std::size_t talkLength = Joined(command).size();
    for (const char* answer : {"a", "b"}) {
      typed_command typed = command;
      if (talk) {
        typed.emplace_back(answer);
      }
      world next = game;
      std::size_t read = 0;
      const command_loop::report outcome = typist.Play(next, Joined(typed), read);
      const bool answered = talk && read > talkLength;
      if (talk && !answered) {
        typed.pop_back();  // the talk asked nothing: the answer was never read
      }
      const int action = graph.ActionId(typed);
      if (outcome == command_loop::report::kWon) {
        unsigned drinks = 0;
        for (const int item : next.Inventory()) {
          drinks |= PubDrinksIn(next.ObjectAt(item).name);
        }
        const bool every = HasAllPubDrinks(next);
        graph.edges.push_back(
            {from, every ? play_graph::kWonWithDrinks : play_graph::kWon, action, drinks});
      } else if (std::string key = Key(next); key != here) {
        Add(from, action, std::move(next), std::move(key));
      }
      if (!answered) {
        break;
      }
    }
  }
  graph.nodes[static_cast<std::size_t>(from)].endEdge = static_cast<int>(graph.edges.size());
}

void explorer::Add(int from, int action, world&& next, std::string&& key) {
  const auto [at, added] = seen.emplace(std::move(key), static_cast<int>(graph.nodes.size()));
  graph.edges.push_back({from, at->second, action});
  if (added) {
    const int depth = graph.nodes[static_cast<std::size_t>(from)].depth + 1;
    graph.nodes.push_back({from, action, depth, next.CurrentRoom()});
    Note(next);
    toExpand.emplace_back(at->second, std::move(next));
  }
}

void explorer::Note(const world& game) {
  found->roomsReached[static_cast<std::size_t>(game.CurrentRoom())] = true;
  for (const int member : game.PeopleIn(game.CurrentRoom())) {
    found->peopleMet[static_cast<std::size_t>(member)] = true;
  }
  for (const int item : game.Inventory()) {
    found->objectsReached[static_cast<std::size_t>(item)] = true;
  }
}

bool explorer::Run(exploration& into) {
  found = &into;
  into.roomsReached.assign(static_cast<std::size_t>(start.RoomCount()), false);
  into.objectsReached.assign(static_cast<std::size_t>(start.ObjectCount()), false);
  into.peopleMet.assign(static_cast<std::size_t>(start.PeopleCount()), false);
  graph.nodes.push_back({-1, -1, 0, start.CurrentRoom()});
  seen.emplace(Key(start), 0);
  Note(start);
  toExpand.emplace_back(0, start);
  while (!toExpand.empty() && graph.nodes.size() <= maxStates) {
    auto [at, game] = std::move(toExpand.front());
    toExpand.pop_front();
    Expand(at, game);
  }
  return toExpand.empty();
}

}  // namespace

exploration Explore(const world& start, std::size_t maxStates) {
  const auto began = std::chrono::steady_clock::now();
  exploration found;
  const following follow = Follow(start, false);
  found.dropsTried = follow.dropEverything;
  explorer search(start, follow, maxStates);
  found.finished = search.Run(found);
  const play_graph& graph = search.Graph();
  found.states = graph.nodes.size();
  found.shortestWin = graph.ShortestWin(false);
  if (found.finished) {
    found.deadEnds = graph.Closers(graph.CanWin(false));
  }
  if (!SideQuestOnGraph(graph, start, follow.moved, found)) {
    // The drinks take part in the story: the side quest needs a search that follows them.
    exploration withDrinks;
    const following all = Follow(start, true);
    explorer drinking(start, all, maxStates);
    found.finished = drinking.Run(withDrinks) && found.finished;
    found.statesWithDrinks = drinking.Graph().nodes.size();
    found.shortestWinWithDrinks = drinking.Graph().ShortestWin(true);
    if (found.finished) {
      found.sideQuestEnds = drinking.Graph().Closers(drinking.Graph().CanWin(true));
    }
  }
  found.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  return found;
}

}  // namespace quillmore
