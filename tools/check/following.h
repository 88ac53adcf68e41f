#ifndef QUILLMORE_TOOLS_CHECK_FOLLOWING_H_
#define QUILLMORE_TOOLS_CHECK_FOLLOWING_H_

#include <string>
#include <vector>

#include "world/world.h"

namespace quillmore {

// What the search follows of a world: which objects it moves, whose order it keeps, which it
// drops, and which may leave play. Worked out once from the data and the story's roles; the
// reasons are in following.cpp.
struct following {
  // By object; bytes rather than bits, since the key reads them for every state.
  std::vector<char> read;         // the story reads it: wanted, handed over, a pub drink
  std::vector<char> readCarried;  // the story reads it where the player has it: not handed over
  std::vector<char> moved;        // objects the search gets, gives and hands over
  std::vector<char> dropped;      // followed, and its name holds another followed one's
  std::vector<char> handedOrder;  // objects a hand-over may take: their order in held items
  std::vector<char> pureHider;    // where the player has it, only a hider: holds no pub drink
  std::vector<char> mayLeave;     // a hider that can leave play (see Gone)
  // By object: the followed objects of other names that its name holds.
  std::vector<std::vector<int>> hides;
  std::vector<char> holdsTable;  // by pair of objects, a * count + b: a's name holds b's
  int count = 0;
  bool dropEverything = false;  // a room the player can reach does not lead back
  // The objects the search moves, those of one name together: copies of a name are one as
  // far as the game can tell, so only where the copies are counts, not which copy is where.
  std::vector<std::vector<int>> namesakes;
  std::vector<int> firstOfName;  // by object: the first object of its name

  // Whether the object, lying in `place`, has left play: nothing it can hide lies there or
  // can ever come there.
  bool Gone(const world& game, int item, int place) const;
  // Whether both are followed and the first one's name holds the second's.
  bool Holds(int a, int b) const {
    const auto row = static_cast<std::size_t>(a) * static_cast<std::size_t>(count);
    return holdsTable[row + static_cast<std::size_t>(b)] != 0;
  }
};

// `drinksMatter`: the pub drinks count as read (for a search of the side quest).
following Follow(const world& start, bool drinksMatter);

// By room slot: whether the player can walk there from where the game starts.
std::vector<bool> RoomsWalkable(const world& start);

// Pairs of object names the search had to keep apart, "longer" holds "shorter", for saying
// what made a search hard; at most `most` of them.
std::vector<std::pair<std::string, std::string>> TiedNames(const world& start,
                                                           const following& follow,
                                                           std::size_t most);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_FOLLOWING_H_
