#include "game/game.h"

#include "console/console.h"
#include "game/command_loop.h"
#include "game/completion.h"
#include "game/end_of_game.h"
#include "game/narration.h"
#include "game/opening.h"
#include "game/options.h"
#include "story/story.h"
#include "world/world.h"

namespace quillmore {

static_assert(kPlay != kExitPlayed && kPlay != kExitBadData,
              "kPlay is no status a game exits with");

bool LoadWorld(world& game, std::istream& rooms, std::istream& people, std::istream& objects,
               load_report& report) {
  const bool loaded = game.LoadRooms(rooms, report) &&
                      game.LoadPeople(people, report, EntranceOf) &&
                      game.LoadObjects(objects, report);
  if (loaded) {
    game.BuildMap(report);
  }
  return loaded;
}

int PlayGame(console& io, std::istream& rooms, std::istream& objects, std::istream& people) {
  world game;
  if (!LoadAndSay(game, io, rooms, people, objects)) {
    return kExitBadData;
  }
  task<int> played = Play(game, io);
  played.Start();
  io.PlayOut();
  return played.Result();
}

bool LoadAndSay(world& game, console& io, std::istream& rooms, std::istream& people,
                std::istream& objects) {
  load_report report;
  const bool loaded = LoadWorld(game, rooms, people, objects, report);
  for (const load_problem& found : report.problems) {
    Say(io, MessageFor(found));
  }
  return loaded;
}

task<int> Play(world& game, console& io) {
  // A continued game shows where the player stands once it has caught up with his typing.
  io.OnCaughtUp([&game, &io] { DescribeRoom(io, game, game.CurrentRoom()); });
  io.OnComplete([&game](wanted what, std::string_view line) { return Complete(game, what, line); });
  WriteOpening(io);
  DescribeRoom(io, game, game.CurrentRoom());
  command_loop commands(game, io);
  const command_loop::report end = co_await commands.Run();
  if (end != command_loop::report::kInputEnded) {
    io.GameOver(end == command_loop::report::kWon ? ending::kWon : ending::kQuit);
  }
  if (end == command_loop::report::kWon) {
    [[maybe_unused]] const bool keyed = co_await EndWonGame(game, io);
  }
  co_return kExitPlayed;
}

}  // namespace quillmore
