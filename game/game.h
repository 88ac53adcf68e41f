#ifndef QUILLMORE_GAME_GAME_H_
#define QUILLMORE_GAME_GAME_H_

#include <istream>

#include "console/task.h"

namespace quillmore {

class console;
class world;
struct load_report;

constexpr int kExitPlayed = 0;
// Returned when a data file cannot be read or holds no start room; the shell sees 255.
constexpr int kExitBadData = -1;

// Loads the world from the three data files and links the map, as a game starts: people before
// objects, which they may hold. False when the game cannot go on; the report says what loading
// met.
bool LoadWorld(world& game, std::istream& rooms, std::istream& people, std::istream& objects,
               load_report& report);

// Plays one whole game on a console over a stream with the three data files: loads them, links
// the map, writes the opening and runs the command loop. Returns the exit status.
int PlayGame(console& io, std::istream& rooms, std::istream& objects, std::istream& people);

// LoadWorld, and says on the console what loading met.
bool LoadAndSay(world& game, console& io, std::istream& rooms, std::istream& people,
                std::istream& objects);

// The game on a loaded world, as its host drives it (task.h): writes the opening and plays
// commands until the player quits or wins or input ends. The front end is told how a game
// ended; a won game then waits for its key. Returns the exit status.
task<int> Play(world& game, console& io);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_GAME_H_
