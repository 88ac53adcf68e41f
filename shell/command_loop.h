#ifndef QUILLMORE_SHELL_COMMAND_LOOP_H_
#define QUILLMORE_SHELL_COMMAND_LOOP_H_

#include <string>

#include "shell/command_words.h"
#include "world/world.h"

// Reads command words from standard input and carries them out on the world until the player
// quits, wins, or input ends. It writes no prompt. At most one world operation runs per
// command; a move is made after the command, then the won flag is tested.
class command_loop {
 public:
  explicit command_loop(world& game) : game(game) {}
  command_loop(const command_loop&) = delete;
  command_loop& operator=(const command_loop&) = delete;

  void Run();

 private:
  // The command language (command_language.cpp). A read that finds input ended stops the
  // command where it stands: nothing more is written and no world operation runs.
  void CarryOut(command which);
  void StartMove(int code);
  void Quit();
  void Get();
  void Drop();
  void Look();
  void Give();
  void Talk();
  void Unrecognised();
  bool ReadRestOfLine(std::string& text);

  world& game;

  // Argument buffers, refilled before every use.
  std::string commandWord;
  std::string objectName;
  std::string personName;

  // Loop state.
  int direction = 0;
  bool movePending = false;
  bool won = false;
  bool done = false;
};

#endif  // QUILLMORE_SHELL_COMMAND_LOOP_H_
