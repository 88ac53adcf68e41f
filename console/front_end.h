#ifndef QUILLMORE_CONSOLE_FRONT_END_H_
#define QUILLMORE_CONSOLE_FRONT_END_H_

#include <string_view>

namespace quillmore {

class console;

// What the game waits for when it reads. A front end that prompts or completes names uses it;
// plain streams ignore it.
enum class wanted {
  kCommand,        // a command word, and whatever follows it on the line
  kObjectHere,     // the name of an object lying here (get)
  kObjectCarried,  // the name of a carried object (drop, give)
  kObjectSeen,     // the name of an object carried or lying here (look)
  kPerson,         // the name of a person here (talk, give)
  kAnswer,         // a conversation's a or b
  kKey,            // any key, at the end of a won game
};

// How a game ended, as the front end is told.
enum class ending { kQuit, kWon };

// The game's hints for the habits of other games suit a player who types: at a terminal, or in a
// page, where a game is kept and taken up differently. Plain streams get none.
enum class hints { kNone, kTerminal, kPage };

// What stands between the game and the player (game/session.h): it is told what the game waits
// for before every read and how the game ended, and may ask for lines to be wrapped. Plain
// streams need none.
class front_end {
 public:
  front_end() = default;
  front_end(const front_end&) = delete;
  front_end& operator=(const front_end&) = delete;
  virtual ~front_end() = default;

  // The console the front end serves, for completing names and telling the player things.
  virtual void Attach(console& io) = 0;
  // Called before each read that may wait for the player.
  virtual void Waiting(wanted what) = 0;
  // The game has been won or quit. A won game has nothing left to continue.
  virtual void GameOver(ending how) = 0;
  // The width in columns to wrap lines at, asked at every line end; 0 leaves lines as they are.
  // A front end that answers 0 at first never wraps.
  virtual int LineWidth() = 0;
  // Which of the game's hints the player is shown; none unless the front end says otherwise.
  virtual hints Hints() { return hints::kNone; }
  // The command that starts the game where the player is, for advice that names it.
  virtual std::string_view Command() { return "quillmore"; }
  // A line the front end adds after the list of commands, on its own comforts; none by default.
  virtual std::string_view AfterCommands() { return {}; }
  // A line of an earlier run's typing as the game reads it again while it catches up
  // (console::Replay), line end included, and what the game waited for when it read it: what
  // the front end would have been told had the line been typed now.
  virtual void Replayed(std::string_view /*line*/, wanted /*what*/) {}
  // What the game shows the player, as it writes it, before any wrapping; nothing written while
  // it catches up. For a transcript.
  virtual void Shown(std::string_view /*text*/) {}
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_FRONT_END_H_
