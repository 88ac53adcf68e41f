#ifndef QUILLMORE_GAME_GAME_H_
#define QUILLMORE_GAME_GAME_H_

#include <memory>
#include <ostream>

#include "console/output.h"
#include "console/task.h"

namespace quillmore {

class console;
class world;
struct data_texts;
struct load_report;
struct story;

constexpr int kExitPlayed = 0;
// Returned when a data file cannot be read, holds no start room, or, for a folder's own map or
// story, does not fit the other files; the shell sees 255.
constexpr int kExitBadData = -1;

// Reads the folder's own map.txt and story.txt, or the built-in one of each that the folder
// lacks, adding every line that cannot be read to the report. The names are not looked up.
std::shared_ptr<story> ReadStoryFiles(const data_texts& data, load_report& report);

// Loads the world from the data files as a game starts: the map and the story (the folder's own,
// or the built-in for a file the folder lacks), then the rooms, people and objects, in that
// order, and links the map. False when the game cannot go on; the report says what loading met.
bool LoadWorld(world& game, const data_texts& data, load_report& report);

// Plays one whole game on the console with the data files: loads them, writes the opening and
// runs the command loop. When the folder's own map or story does not fit, the first problem goes
// to `errors` as one line and nothing is played. Returns the exit status.
int PlayGame(console& io, const data_texts& data, output& errors);
int PlayGame(console& io, const data_texts& data, std::ostream& errors);

// LoadWorld, and says on the console what loading met; when the folder's own map or story does
// not fit, says its first problem on `errors` as one line instead. False when nothing can be
// played.
bool LoadAndSay(world& game, console& io, const data_texts& data, output& errors);

// The game on a loaded world, as its host drives it (task.h): writes the opening and plays
// commands until the player quits or wins or input ends. The front end is told how a game
// ended; a won game then waits for its key. Returns the exit status.
task<int> Play(world& game, console& io);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_GAME_H_
