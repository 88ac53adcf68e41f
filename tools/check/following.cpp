#include "tools/check/following.h"

#include <algorithm>
#include <map>

#include "story/story.h"
#include "world/direction.h"
#include "world/name_match.h"

// Which objects the search follows, and how. Each rule below is sound by the argument beside
// it, and its condition is read from the data and the story's roles, never from names written
// here. "A holds B" means that A's name contains B's and is not B's; a typed text picks the
// first item of a list whose name contains it (explorer.cpp).
//
// Out of reach. An object that lies in a room the player cannot walk to never lies where he
// stands, and nothing carries it away. An object that a person holds leaves that person only
// by a hand-over, which takes the first held object whose name contains the text handed over:
// one whose name contains no such text is never taken and never stands in the way of one that
// is. Neither kind changes any command's outcome: the search leaves them where they are.
//
// Read, and what can hide it. The story reads an object in three ways: a person wants it (its
// name equal to the wanted one), a hand-over takes it (a person holds it from the start and its
// name holds the text; the player gives people only what they want, which is read already),
// and, for the side quest, the player carries it at the win (its name holds a pub drink's). An
// object within reach is followed when the story reads it, or when it holds an object that is read:
// then it can come first in a list and be picked in that one's place. An object that holds no
// followed one (holding is passed on: what holds a hider holds what the hider holds) is picked by
// no whole name the search types, and its place changes no pick of a followed object; getting or
// dropping it changes only its own place. The search leaves it where it lies.
//
// Order. The search types whole names, and only where the name picks the object it names,
// which is when nothing before it in its list holds it. So all that a list's order can tell the
// search is, for each followed object, which of those that hold it come before it: the key keeps
// those pairs, and nothing else of the order.
//
// Drops, when every room the player can reach leads back to the start. Nothing in the story asks
// for an object not to be carried. A drop helps only by taking an object out of the carried list
// so that a pick reaches one behind it, and that needs the dropped object to hold one behind it.
// Any other drop opens no pick, and the object can be fetched again; the play without that drop
// reaches the same story by the same commands, one fewer, and can do all the other can. So the
// search drops an object only when it comes before a carried one it holds.
//
// Getting again. A pick of a carried object puts it first, which only puts it before what it
// holds (it already comes before all that hold it, or its name would not have picked it): that
// takes picks away and opens none. The search still does it for objects the story reads where the
// player has them (wanted, or a pub drink), which costs little; for a hider, never.
//
// Hiders. A hider that the story does not read where the player has it, and whose name holds no
// pub drink, matters there only where it comes first: before an object it holds, in the same
// list. (A hand-over reads only what people hold, and the player can give people nothing but
// what they want: an object the story reads only as handed over is such a hider once handed.)
// Getting it from a room where it comes before none of those opens no pick there and puts it before
// what it holds among the carried objects, which only takes picks away: the search does not. Where
// several such hiders come before one object, taking out any but the first opens nothing yet;
// taking them out in their order comes to the same state of the story in as many commands, and the
// order of two hiders that hold no name of each other tells no pick apart. So the search gets and
// drops such a hider only when no object before it holds what it opens the way to. Lying in a room
// where nothing it holds lies, it can matter again only if one of those is dropped there; when none
// of them is ever dropped (none holds a followed object), it never does. Such a hider has left
// play: the search offers no command on it, and the key does not tell which room it lies in.

namespace quillmore {

namespace {

constexpr direction kDirections[kDirectionCount] = {direction::kNorth, direction::kSouth,
                                                    direction::kEast, direction::kWest};

bool Holds(const std::string& longer, const std::string& shorter) {
  return longer != shorter && NameContains(longer, shorter);
}

bool ContainsAny(const std::string& name, const std::vector<std::string>& texts) {
  return std::any_of(texts.begin(), texts.end(),
                     [&name](const std::string& text) { return NameContains(name, text); });
}

bool ListHolds(slot_list members, int item) {
  for (const int member : members) {
    if (member == item) {
      return true;
    }
  }
  return false;
}

// Walks the exits one way or the other from the start.
std::vector<bool> Spread(const world& start, bool backwards) {
  const int rooms = start.RoomCount();
  std::vector<bool> seen(static_cast<std::size_t>(rooms), false);
  if (start.CurrentRoom() == kNone) {
    return seen;
  }
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
}

// Whether every room the player can reach from the start leads back to it.
bool LeadsBack(const world& start) {
  const std::vector<bool> ahead = Spread(start, false);
  const std::vector<bool> back = Spread(start, true);
  for (std::size_t place = 0; place < ahead.size(); ++place) {
    if (ahead[place] && !back[place]) {
      return false;
    }
  }
  return true;
}

struct story_texts {
  std::vector<std::string> wanted;
  std::vector<std::string> handedOver;
  std::vector<std::string> drinks;
};

story_texts StoryTexts(const world& start) {
  story_texts texts;
  for (const role& part : Cast(start)) {
    if (part.wants != nullptr) {
      texts.wanted.emplace_back(part.wants);
    }
    if (part.handsOver != nullptr) {
      texts.handedOver.emplace_back(part.handsOver);
    }
  }
  if (start.Story() != nullptr) {
    for (const drink& counted : start.Story()->drinks) {
      texts.drinks.push_back(counted.name);
    }
  }
  return texts;
}

// Out of reach: see above.
std::vector<bool> WithinReach(const world& start, const story_texts& texts) {
  std::vector<bool> within(static_cast<std::size_t>(start.ObjectCount()), false);
  const std::vector<bool> walkable = RoomsWalkable(start);
  for (int place = 0; place < start.RoomCount(); ++place) {
    for (const int item : start.ObjectsIn(place)) {
      within[static_cast<std::size_t>(item)] = walkable[static_cast<std::size_t>(place)];
    }
  }
  for (const int item : start.Inventory()) {
    within[static_cast<std::size_t>(item)] = true;
  }
  for (int holder = 0; holder < start.PeopleCount(); ++holder) {
    for (const int item : start.HeldBy(holder)) {
      within[static_cast<std::size_t>(item)] =
          ContainsAny(start.ObjectAt(item).name, texts.handedOver);
    }
  }
  return within;
}

void GroupNamesakes(const world& start, following& follow) {
  std::map<std::string, std::size_t> group;
  std::map<std::string, int> first;
  for (int item = 0; item < start.ObjectCount(); ++item) {
    const std::string& name = start.ObjectAt(item).name;
    follow.firstOfName.push_back(first.emplace(name, item).first->second);
    if (follow.moved[static_cast<std::size_t>(item)]) {
      const auto [at, added] = group.emplace(name, follow.namesakes.size());
      if (added) {
        follow.namesakes.emplace_back();
      }
      follow.namesakes[at->second].push_back(item);
    }
  }
}

}  // namespace

std::vector<bool> RoomsWalkable(const world& start) {
  return Spread(start, false);
}

following Follow(const world& start, bool drinksMatter) {
  const story_texts texts = StoryTexts(start);
  const std::vector<bool> within = WithinReach(start, texts);
  const int count = start.ObjectCount();
  const auto name = [&start](int item) -> const std::string& { return start.ObjectAt(item).name; };
  following follow;
  follow.dropEverything = !LeadsBack(start);
  std::vector<bool> held(static_cast<std::size_t>(count), false);
  for (int holder = 0; holder < start.PeopleCount(); ++holder) {
    for (const int item : start.HeldBy(holder)) {
      held[static_cast<std::size_t>(item)] = true;
    }
  }
  for (int item = 0; item < count; ++item) {
    const bool handed = ContainsAny(name(item), texts.handedOver);
    const bool wanted =
        std::find(texts.wanted.begin(), texts.wanted.end(), name(item)) != texts.wanted.end();
    const bool drink = drinksMatter && ContainsAny(name(item), texts.drinks);
    const bool handedOver = handed && held[static_cast<std::size_t>(item)];
    follow.read.push_back(within[static_cast<std::size_t>(item)] &&
                          (wanted || handedOver || drink));
    follow.readCarried.push_back(within[static_cast<std::size_t>(item)] && (wanted || drink));
    follow.handedOrder.push_back(handed);
  }
  for (int item = 0; item < count; ++item) {
    bool hider = false;
    for (int other = 0; other < count; ++other) {
      hider = hider ||
              (follow.read[static_cast<std::size_t>(other)] != 0 && Holds(name(item), name(other)));
    }
    follow.moved.push_back(follow.read[static_cast<std::size_t>(item)] != 0 ||
                           (within[static_cast<std::size_t>(item)] && hider));
  }
  follow.hides.resize(static_cast<std::size_t>(count));
  follow.count = count;
  const auto cells = static_cast<std::size_t>(count);
  follow.holdsTable.assign(cells * cells, 0);
  for (int item = 0; item < count; ++item) {
    for (int other = 0; other < count; ++other) {
      if (follow.moved[static_cast<std::size_t>(item)] == 0 ||
          follow.moved[static_cast<std::size_t>(other)] == 0) {
        continue;
      }
      if (Holds(name(item), name(other))) {
        follow.hides[static_cast<std::size_t>(item)].push_back(other);
        const std::size_t pair =
            static_cast<std::size_t>(item) * cells + static_cast<std::size_t>(other);
        follow.holdsTable[pair] = 1;
      }
    }
    follow.dropped.push_back(!follow.hides[static_cast<std::size_t>(item)].empty());
  }
  for (int item = 0; item < count; ++item) {
    const std::vector<int>& hidden = follow.hides[static_cast<std::size_t>(item)];
    const bool neverDropped = std::none_of(hidden.begin(), hidden.end(), [&follow](int other) {
      return follow.dropped[static_cast<std::size_t>(other)] != 0;
    });
    const bool pure = follow.moved[static_cast<std::size_t>(item)] != 0 &&
                      follow.readCarried[static_cast<std::size_t>(item)] == 0 &&
                      !ContainsAny(name(item), texts.drinks);
    follow.pureHider.push_back(pure);
    follow.mayLeave.push_back(pure && neverDropped && !follow.dropEverything);
  }
  GroupNamesakes(start, follow);
  return follow;
}

bool following::Gone(const world& game, int item, int place) const {
  if (mayLeave[static_cast<std::size_t>(item)] == 0) {
    return false;
  }
  const std::vector<int>& hidden = hides[static_cast<std::size_t>(item)];
  return std::none_of(hidden.begin(), hidden.end(), [&game, place](int other) {
    return ListHolds(game.ObjectsIn(place), other);
  });
}

std::vector<std::pair<std::string, std::string>> TiedNames(const world& start,
                                                           const following& follow,
                                                           std::size_t most) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int item = 0; item < start.ObjectCount(); ++item) {
    for (const int other : follow.hides[static_cast<std::size_t>(item)]) {
      std::pair<std::string, std::string> tie{start.ObjectAt(item).name,
                                              start.ObjectAt(other).name};
      if (pairs.size() < most && std::find(pairs.begin(), pairs.end(), tie) == pairs.end()) {
        pairs.push_back(std::move(tie));
      }
    }
  }
  return pairs;
}

}  // namespace quillmore
