#ifndef QUILLMORE_GAME_COMMAND_LOOP_H_
#define QUILLMORE_GAME_COMMAND_LOOP_H_

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/task.h"
#include "game/command_words.h"
#include "game/hints.h"
#include "game/messages.h"
#include "world/world.h"

namespace quillmore {

// Reads command words and carries them out on the world until the player quits, wins, or input
// ends, waiting for the player (task.h) wherever the input given runs out. It writes no prompt,
// but tells the console what each read asks for, for a front end's.
// Each command reads the names and answers it needs, changes the world at most once, and says
// what happened.
class command_loop {
 public:
  // What one command left the game to do; how a game ended.
  enum class report { kGoOn, kQuit, kWon, kInputEnded };

  command_loop(world& game, console& io) : game(game), io(io) {}
  command_loop(const command_loop&) = delete;
  command_loop& operator=(const command_loop&) = delete;

  // Plays commands until the game ends, and says how.
  task<report> Run();
  // Reads and carries out one command.
  task<report> Step();
  // Step, on a console built over a stream, given the stream's input as it waits (console.h).
  report StepThrough();

 private:
  // The command language (command_language.cpp). A read that finds input ended stops the
  // command where it stands: nothing more is written and the world is not changed.
  task<report> CarryOut(command which);
  task<report> Go(direction way);
  task<report> Inventory();
  task<report> Quit();
  task<report> Get();
  task<report> Drop();
  task<report> Look();
  task<report> Give();
  task<report> Talk();
  task<report> Unrecognised();
  task<report> Help();
  task<bool> ReadName(std::string& text, wanted what, message question, message prompt);
  task<bool> AskWhileEmpty(std::string& text, message question, wanted what, message prompt);
  void NameHint(std::string_view command, wanted what, std::string_view name);
  void GiveHints();

  world& game;
  console& io;
  hint_book hints;

  // Argument buffers, refilled before every use.
  std::string commandWord;
  std::string objectName;
  std::string personName;
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_COMMAND_LOOP_H_
