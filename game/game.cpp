#include "game/game.h"

#include "console/console.h"
#include "game/command_loop.h"
#include "game/completion.h"
#include "game/end_of_game.h"
#include "game/opening.h"
#include "world/world.h"

namespace quillmore {

namespace {

// Loads the world and links the map, writing what the loaders met. People come before objects:
// objects held by people need them loaded.
bool Load(world& game, console& io, std::istream& rooms, std::istream& objects,
          std::istream& people) {
  load_report report;
  const bool loaded = game.LoadRooms(rooms, report) && game.LoadPeople(people, report) &&
                      game.LoadObjects(objects, report);
  if (loaded) {
    game.BuildMap(report);
  }
  for (const load_problem& found : report.problems) {
    io.Line(MessageFor(found));
  }
  return loaded;
}

}  // namespace

int PlayGame(console& io, std::istream& rooms, std::istream& objects, std::istream& people) {
  world game(io);
  if (!Load(game, io, rooms, objects, people)) {
    return kExitBadData;
  }
  // A continued game shows where the player stands once it has caught up with his typing.
  io.OnCaughtUp([&game] { game.DescribeCurrentRoom(); });
  io.OnComplete([&game](wanted what, std::string_view line) { return Complete(game, what, line); });
  WriteOpening(io);
  game.DescribeCurrentRoom();
  const ending end = command_loop(game, io).Run();
  if (end != ending::kInputEnded) {
    io.GameOver();
  }
  if (end == ending::kWon) {
    EndWonGame(game, io);
  }
  return kExitPlayed;
}

}  // namespace quillmore
