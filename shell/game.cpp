#include "shell/game.h"

#include "shell/command_loop.h"
#include "shell/opening.h"
#include "world/world.h"

int PlayGame(std::istream& rooms, std::istream& objects, std::istream& people) {
  world game;
  // People before objects: objects held by people need them loaded.
  if (!game.LoadRooms(rooms) || !game.LoadPeople(people) || !game.LoadObjects(objects)) {
    return kExitBadData;
  }
  game.BuildMap();
  WriteOpening();
  game.DescribeCurrentRoom();
  command_loop loop(game);
  loop.Run();
  return kExitPlayed;
}
