#ifndef QUILLMORE_TOOLS_CHECK_EXPLORER_H_
#define QUILLMORE_TOOLS_CHECK_EXPLORER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "world/world.h"

namespace quillmore {

// One command as the player types it: the command line, then the lines it asks for (a name, an
// answer), one a line. A play is commands in order.
using typed_command = std::vector<std::string>;
using play = std::vector<typed_command>;

// A way to lose: the command after which the game, or the side quest, can no longer be won, and
// the shortest play that leads into it, that command last.
struct lost_way {
  typed_command closedBy;
  play shortest;
};

// What the search found. Plays are shortest in commands.
struct exploration {
  bool finished = false;    // every reachable state was seen; else a limit was hit
  bool dropsTried = false;  // drops of every carried object were tried (see the reductions)
  std::size_t states = 0;   // states of play, pub drinks aside
  std::size_t statesWithDrinks = 0;  // states of play with the pub drinks the player carries
  std::size_t stoppedAfter = 0;      // states of the search that hit its limit, if one did
  double seconds = 0;
  std::optional<play> shortestWin;
  std::optional<play> shortestWinWithDrinks;
  // Whether no shorter win with every pub drink can hide in states the search did not reach.
  bool drinksWinShortest = true;
  std::vector<lost_way> deadEnds;       // after which the game can no longer be won
  std::vector<lost_way> sideQuestEnds;  // after which every pub drink can no longer be carried
  std::vector<bool> roomsReached;       // by slot: the player stood there in some play
  std::vector<bool> objectsReached;     // the player carried it in some play
  std::vector<bool> peopleMet;          // stood in the player's room in some play
  // Pairs of object names, the first holding the second, that the search had to keep apart:
  // what made it large.
  std::vector<std::pair<std::string, std::string>> tiedNames;
};

// Plays every command a player can type, in every state of play reachable from `start`, with
// the game's own command loop, and says what can be won and what can be lost. Stops, unfinished,
// after `maxStates` states.
exploration Explore(const world& start, std::size_t maxStates);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_EXPLORER_H_
