#include "tools/check/explorer.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <map>
#include <utility>

#include "game/command_loop.h"
#include "story/rules.h"
#include "story/story.h"
#include "tools/check/following.h"
#include "tools/check/play_graph.h"
#include "tools/check/side_quest.h"
#include "tools/check/silent_player.h"
#include "tools/check/state_set.h"
#include "world/direction.h"
#include "world/name_match.h"

// The search plays the real game: each command is typed into the game's own command loop on a
// copy of the world, and the world it leaves is the next state. Moves alone are made on the world
// directly, as the command loop makes them (see MoveOf). It tries, in every state it
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
// anywhere and lists can be in any order. The search follows only the objects that can change
// what the story does, keeps only the order that can change a pick, drops only what can open a
// pick, and forgets where a hider lies once it can hide nothing there: following.cpp gives each
// rule and why it hides no win and no dead end. One more:
//
// Copies. Objects of one name are one as far as the game can tell: every rule reads names,
// never slots. So a state keeps where the copies of a name are, not which copy is where.
//
// The pub drinks have a rule of their own, in side_quest.cpp. The checker tests the condition of
// each rule on every data set and searches without the rule where it fails. Where a limit of
// states is hit, nothing is claimed beyond what was found.

namespace quillmore {

namespace {

constexpr const char* kMoves[kDirectionCount] = {"n", "s", "e", "w"};
constexpr direction kDirections[kDirectionCount] = {direction::kNorth, direction::kSouth,
                                                    direction::kEast, direction::kWest};
// In a state's key: the end of a list, the place of an object in no list, and that of a hider
// that has left play. Slots are below kTableSize; an object's place is a room's slot,
// kTableSize and up for a person's, or the inventory at twice kTableSize.
constexpr char kEndOfList = 127;
constexpr char kOtherPeople = 126;  // a room's people differ from the start's: they follow
constexpr char kNowhere = static_cast<char>(250);
constexpr char kLeftPlay = static_cast<char>(251);
// How many pairs of names a search that did not finish tells of.
constexpr std::size_t kMostTiedNamesTold = 5;
static_assert(kTableSize < kOtherPeople);

// Whether two lists hold the same members in the same order.
bool SameList(slot_list first, slot_list second) {
  auto other = second.begin();
  for (const int member : first) {
    if (!(other != second.end()) || *other != member) {
      return false;
    }
    ++other;
  }
  return !(other != second.end());
}

// Whether some name of `earlier` contains `name`: then nothing the player types picks it.
bool Hidden(const std::string& name, const std::vector<const std::string*>& earlier) {
  return std::any_of(earlier.begin(), earlier.end(),
                     [&name](const std::string* before) { return NameContains(*before, name); });
}

// Which of kMoves the command is, or -1. The command loop carries out a move as world::Move,
// and then only says where the player is, which reads the world and changes nothing: so the
// search moves the world itself, which saved half its work. (The walkthroughs the tests play
// through the game would tell if a move ever did more.)
int MoveOf(const typed_command& command) {
  if (command.size() != 1) {
    return -1;
  }
  for (int way = 0; way < kDirectionCount; ++way) {
    if (command.front() == kMoves[way]) {
      return way;
    }
  }
  return -1;
}

// The lines of a command as typed, into `text`.
void Join(const typed_command& command, std::string& text) {
  text.clear();
  for (const std::string& line : command) {
    text += line;
    text += '\n';
  }
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
  const std::string& Key(const world& game) const;
  std::vector<typed_command> Commands(const world& game) const;
  bool OpensPick(slot_list members, int item) const;
  void Expand(int from, const world& game);
  void Move(int from, const world& game, int way, int action);
  bool Link(int from, int action, const std::string& key);
  void Enqueue(int from, int action, world&& next);
  void Note(const world& game);

  const world& start;
  const following& follow;
  std::size_t maxStates;
  silent_player typist;
  std::string typedText;  // the lines Expand types, kept between commands
  play_graph graph;
  state_set seen;  // numbered as the graph's nodes
  // Room for Key's work, kept between calls.
  mutable std::string scratch;
  mutable std::vector<int> pairs;
  mutable std::vector<int> holders;
  // States to expand.
  struct waiting {
    int node;
    world game;
  };
  std::deque<waiting> toExpand;
  exploration* found = nullptr;
};
// Where the player is, each person's stages, who stands where in what order, where each object
// the search follows is, and, in each list, which followed objects come before one they hold.
// A whole name picks the object it names exactly when nothing that holds that name comes before
// it, so that is all of a list's order that a command the search types can tell.
const std::string& explorer::Key(const world& game) const {
  std::string& key = scratch;
  key.clear();
  const auto add = [&key](int byte) { key.push_back(static_cast<char>(byte)); };
  add(game.CurrentRoom());
  // Few people's stages and places ever change: only those that differ from the start's are kept.
  for (int someone = 0; someone < game.PeopleCount(); ++someone) {
    if (game.QuestStage(someone) != start.QuestStage(someone) ||
        game.GiftStage(someone) != start.GiftStage(someone)) {
      add(someone);
      add(static_cast<int>(game.QuestStage(someone)));
      add(static_cast<int>(game.GiftStage(someone)));
    }
  }
  add(kEndOfList);
  std::array<char, kTableSize> places;
  places.fill(kNowhere);
  // The pairs "a before b, a holds b" of a list, by name, sorted, then kEndOfList.
  const auto order = [&](slot_list members, int where) {
    pairs.clear();
    holders.clear();
    for (const int item : members) {
      const auto at = static_cast<std::size_t>(item);
      if (follow.moved[at] == 0 || places[at] == kLeftPlay) {
        continue;
      }
      places[at] = static_cast<char>(where);
      for (const int before : holders) {
        if (follow.Holds(before, item)) {
          pairs.push_back(follow.firstOfName[at] * kTableSize +
                          follow.firstOfName[static_cast<std::size_t>(before)]);
        }
      }
      if (!follow.hides[at].empty()) {
        holders.push_back(item);
      }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const int pair : pairs) {
      add(pair / kTableSize);
      add(pair % kTableSize);
    }
    add(kEndOfList);
  };
  // Most rooms and people hold nothing that counts: only those that do are written, each with
  // its slot first and kEndOfList last, and a lone kEndOfList ends the rooms, then the people.
  for (int place = 0; place < game.RoomCount(); ++place) {
    if (!SameList(game.PeopleIn(place), start.PeopleIn(place))) {
      add(kOtherPeople);
      add(place);
      for (const int member : game.PeopleIn(place)) {
        add(member);
      }
      add(kEndOfList);
    }
    const slot_list here = game.ObjectsIn(place);
    if (here.empty()) {
      continue;
    }
    for (const int item : here) {
      if (follow.Gone(game, item, place)) {
        places[static_cast<std::size_t>(item)] = kLeftPlay;
      }
    }
    const std::size_t before = key.size();
    add(place);
    order(here, place);
    if (key.size() == before + 2) {
      key.resize(before);  // no pair
    }
  }
  add(kEndOfList);
  for (int holder = 0; holder < game.PeopleCount(); ++holder) {
    const std::size_t before = key.size();
    add(holder);
    for (const int item : game.HeldBy(holder)) {
      places[static_cast<std::size_t>(item)] = static_cast<char>(kTableSize + holder);
      if (follow.handedOrder[static_cast<std::size_t>(item)] != 0) {
        add(follow.firstOfName[static_cast<std::size_t>(item)]);
      }
    }
    if (key.size() == before + 1) {
      key.resize(before);
    } else {
      add(kEndOfList);
    }
  }
  add(kEndOfList);
  order(game.Inventory(), 2 * kTableSize);
  for (const std::vector<int>& copies : follow.namesakes) {
    const std::size_t first = key.size();
    for (const int item : copies) {
      add(places[static_cast<std::size_t>(item)]);
    }
    std::sort(key.begin() + static_cast<std::ptrdiff_t>(first), key.end());
  }
  return key;
}

// Whether taking an object out of its list opens a pick: it comes before an object it holds,
// and, for a hider, nothing before it holds that object too (then taking that one out first
// comes to the same, and the search keeps to that order).
bool explorer::OpensPick(slot_list members, int item) const {
  const bool firstOnly = follow.pureHider[static_cast<std::size_t>(item)] != 0;
  std::vector<int>& before = holders;
  before.clear();
  bool behind = false;
  for (const int member : members) {
    if (behind && follow.Holds(item, member)) {
      const bool blockedEarlier = std::any_of(
          before.begin(), before.end(), [&](int earlier) { return follow.Holds(earlier, member); });
      if (!firstOnly || !blockedEarlier) {
        return true;
      }
    }
    behind = behind || member == item;
    if (!behind) {
      before.push_back(member);
    }
  }
  return false;
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
    const auto at = static_cast<std::size_t>(item);
    const bool worthGetting = follow.pureHider[at] == 0 || OpensPick(game.ObjectsIn(here), item);
    if (follow.moved[at] != 0 && worthGetting && !name.empty() && !Hidden(name, earlier) &&
        !follow.Gone(game, item, here)) {
      commands.push_back({"get " + name});
    }
    earlier.push_back(&name);
  }
  std::vector<const std::string*> carried;
  for (const int item : game.Inventory()) {
    const std::string& name = game.ObjectAt(item).name;
    const auto at = static_cast<std::size_t>(item);
    if (follow.dropped[at] != 0 && follow.readCarried[at] != 0 && !name.empty() &&
        !Hidden(name, earlier)) {
      commands.push_back({"get " + name});  // picked up again: to the front
    }
    const bool opens = follow.dropped[at] != 0 && OpensPick(game.Inventory(), item);
    if ((opens || (follow.dropEverything && follow.moved[at] != 0)) && !name.empty() &&
        !Hidden(name, carried)) {
      commands.push_back({"drop " + name});
    }
    earlier.push_back(&name);
    carried.push_back(&name);
  }
  std::vector<const std::string*> people;
  for (const int member : game.PeopleIn(here)) {
    const std::string& name = game.PersonAt(member).name;
    const role* part = RoleOf(game, name);
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
  graph.nodes[static_cast<std::size_t>(from)].firstEdge = static_cast<int>(graph.edges.size());
  for (typed_command command : Commands(game)) {
    if (const int way = MoveOf(command); way >= 0) {
      Move(from, game, way, graph.ActionId(command));
      continue;
    }
    const bool talk = command.front().rfind("talk ", 0) == 0;
    Join(command, typedText);
    const std::size_t talkLength = typedText.size();
    for (const char* answer : {"a", "b"}) {
      typed_command typed = command;
      if (talk) {
        typed.emplace_back(answer);
      }
      world next = game;
      std::size_t read = 0;
      Join(typed, typedText);
      const command_loop::report outcome = typist.Play(next, typedText, read);
      const bool answered = talk && read > talkLength;
      if (talk && !answered) {
        typed.pop_back();  // the talk asked nothing: the answer was never read
      }
      const int action = graph.ActionId(typed);
      if (outcome == command_loop::report::kWon) {
        unsigned drinks = 0;
        for (const int item : next.Inventory()) {
          drinks |= PubDrinksIn(next, next.ObjectAt(item).name);
        }
        const bool every = HasAllPubDrinks(next);
        graph.edges.push_back(
            {from, every ? play_graph::kWonWithDrinks : play_graph::kWon, action, drinks});
      } else if (!(next == game)) {
        // A command that changed nothing at all leads back to its own state: no key needed.
        if (Link(from, action, Key(next))) {
          Enqueue(from, action, std::move(next));
        }
      }
      if (!answered) {
        break;
      }
    }
  }
  graph.nodes[static_cast<std::size_t>(from)].endEdge = static_cast<int>(graph.edges.size());
}

// The key of a state one move on is its own with the new room first: nothing else in a key
// depends on where the player stands. So a move to a state already seen costs no world.
void explorer::Move(int from, const world& game, int way, int action) {
  const int to = game.RoomAt(game.CurrentRoom()).GetExit(kDirections[way]);
  if (to == game.CurrentRoom()) {
    return;
  }
  scratch.assign(seen.Key(from));
  scratch.front() = static_cast<char>(to);
  if (Link(from, action, scratch)) {
    world next = game;
    next.Move(kDirections[way]);
    Enqueue(from, action, std::move(next));
  }
}

// Adds the edge to the state of this key, unless it is the state it leaves; true when that
// state is new.
bool explorer::Link(int from, int action, const std::string& key) {
  bool added = false;
  const int at = seen.Insert(key, added);
  if (at != from) {
    graph.edges.push_back({from, at, action});
  }
  return added;
}

void explorer::Enqueue(int from, int action, world&& next) {
  const int depth = graph.nodes[static_cast<std::size_t>(from)].depth + 1;
  const int at = static_cast<int>(graph.nodes.size());
  graph.nodes.push_back({from, action, depth, next.CurrentRoom()});
  Note(next);
  toExpand.push_back({at, std::move(next)});
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
  bool added = false;
  seen.Insert(Key(start), added);
  Note(start);
  toExpand.push_back({0, start});
  while (!toExpand.empty() && graph.nodes.size() <= maxStates) {
    const waiting next = std::move(toExpand.front());
    toExpand.pop_front();
    Expand(next.node, next.game);
  }
  return toExpand.empty();
}

}  // namespace

exploration Explore(const world& start, std::size_t maxStates) {
  const auto began = std::chrono::steady_clock::now();
  exploration found;
  const following follow = Follow(start, false);
  found.dropsTried = follow.dropEverything;
  found.tiedNames = TiedNames(start, follow, kMostTiedNamesTold);
  explorer search(start, follow, maxStates);
  found.finished = search.Run(found);
  found.stoppedAfter = found.finished ? 0 : search.Graph().nodes.size();
  const play_graph& graph = search.Graph();
  found.states = graph.nodes.size();
  found.shortestWin = graph.ShortestWin(false);
  if (found.finished) {
    found.deadEnds = graph.Closers(graph.CanWin(false));
  }
  // With no win at all there is none with every drink either, and no side quest to lose.
  const bool neverWon = found.finished && !found.shortestWin;
  if (!neverWon && !SideQuestOnGraph(graph, start, follow.moved, found)) {
    // The drinks take part in the story: the side quest needs a search that follows them.
    exploration withDrinks;
    const following all = Follow(start, true);
    explorer drinking(start, all, maxStates);
    const bool drinksFinished = drinking.Run(withDrinks);
    if (!drinksFinished && found.finished) {
      found.stoppedAfter = drinking.Graph().nodes.size();
    }
    found.finished = drinksFinished && found.finished;
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
