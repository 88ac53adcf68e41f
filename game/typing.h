#ifndef QUILLMORE_GAME_TYPING_H_
#define QUILLMORE_GAME_TYPING_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "console/front_end.h"

namespace quillmore {

class console;

// What the player may type at a front end's command prompt that is no command of the game:
// undo, and a comment for the author, a line that begins with *. Piped play has neither.
enum class aside { kNone, kUndo, kComment };
aside AsideOf(std::string_view line);

// Every line the game read in one game, as a front end keeps it for its save and for undo: each
// line typed where the game waited for a command starts a command, and the lines the command
// then read (a name, an answer) belong to it. A line with nothing but blanks starts no command,
// since the game reads past it. The game is the same for the same typing, so a game one command
// back is a replay of the text without the last command.
class typing {
 public:
  // A line the game read, line end included, and what it waited for when the line was read.
  void Add(std::string_view line, wanted what);
  // Takes back the last command and every line it read. False when no command was typed.
  bool Undo();
  void Clear();

  // Every line, one after another.
  const std::string& Text() const { return text; }
  // The line that started the last command, without its line end; empty when there is none.
  std::string_view LastCommand() const;

  // Carries out what the player typed at the command prompt that is no command, and says what
  // it did: a comment is acknowledged; undo takes back the last command. True when a command was
  // taken back: the front end then ends the game's input, so that the game returns, and plays it
  // again from TakeReplay.
  bool CarryOut(aside taken, console& io);
  // Once the game has returned after an undo: true, with what to replay to stand where the
  // player now stands. The typing is cleared, since the replay tells it again line by line.
  // False when the game ended otherwise.
  bool TakeReplay(std::string& replay);

 private:
  std::string text;
  std::vector<std::size_t> commands;  // where each command's first line starts in `text`
  bool undone = false;                // a command was taken back, and the game is to be replayed
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_TYPING_H_
