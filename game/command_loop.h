#ifndef QUILLMORE_GAME_COMMAND_LOOP_H_
#define QUILLMORE_GAME_COMMAND_LOOP_H_

#include <string>

#include "console/console.h"
#include "game/command_words.h"
#include "world/world.h"

namespace quillmore {

// How a game ended.
enum class ending { kQuit, kWon, kInputEnded };

// Reads command words and carries them out on the world until the player quits, wins, or input
// ends. It writes no prompt. At most one world operation runs per command.
class command_loop {
 public:
  command_loop(world& game, console& io) : game(game), io(io) {}
  command_loop(const command_loop&) = delete;
  command_loop& operator=(const command_loop&) = delete;

  ending Run();

 private:
  // What a command reports to the loop.
  enum class report { kGoOn, kMoved, kQuit, kWon };

  // The command language (command_language.cpp). A read that finds input ended stops the
  // command where it stands: nothing more is written and no world operation runs.
  report CarryOut(command which);
  report Go(direction way);
  report Quit();
  report Get();
  report Drop();
  report Look();
  report Give();
  report Talk();
  report Unrecognised();
  report Help();
  bool ReadRestOfLine(std::string& text, wanted what);

  world& game;
  console& io;

  // Argument buffers, refilled before every use.
  std::string commandWord;
  std::string objectName;
  std::string personName;
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_COMMAND_LOOP_H_
