#ifndef QUILLMORE_CONSOLE_CONSOLE_H_
#define QUILLMORE_CONSOLE_CONSOLE_H_

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "console/completion.h"
#include "console/front_end.h"

namespace quillmore {

class replay_buffer;

// Every byte the player types and every byte the game writes passes through the one console.
// `main` builds it over the standard streams, a test over string streams. It lends nothing it
// does not own: the streams and the front end must outlive it.
//
// Reads return false when input ended before they extracted anything; once one has, every later
// one does too, so a caller that stops at the first false never waits or repeats forever.
// Writes go out as they are, or wrapped at word boundaries when the front end asks; every line
// end flushes.
class console {
 public:
  console(std::istream& in, std::ostream& out, front_end* player = nullptr);
  ~console();
  console(const console&) = delete;
  console& operator=(const console&) = delete;

  // Skips whitespace, line ends included, then takes the characters up to the next whitespace,
  // which stays unread.
  bool ReadWord(std::string& word);
  // `asked` is what the game asks for, in a few words ("get what?"), which a front end may
  // prompt with; a front end is always told it before the read, and plain streams ignore it.
  //
  // Reads up to the next line end, which is consumed and not kept. The line may be empty.
  bool ReadLine(std::string& line, wanted what, std::string_view asked = {});
  // Takes exactly one character, whatever it is.
  bool ReadCharacter(char& character, wanted what, std::string_view asked = {});
  // Reads the rest of the line and throws it away, without keeping it in memory.
  bool DiscardLine();
  // Skips whitespace, line ends included, and takes the next single character.
  bool ReadAnswer(char& character, std::string_view asked = {});
  // Waits for one key; on a terminal a single key press without Enter.
  bool ReadKey();

  // Writes the pieces, back to back, and ends the line.
  void Line() { EndLine(); }
  template <typename... Pieces>
  void Line(const Pieces&... pieces) {
    (Write(pieces), ...);
    EndLine();
  }
  // Writes the pieces without ending the line.
  template <typename... Pieces>
  void Text(const Pieces&... pieces) {
    (Write(pieces), ...);
  }
  void Write(std::string_view text);
  void EndLine();
  void Flush();

  // The game has been won or quit.
  void GameOver(ending how);

  // What the game asks for at the read it waits at, as the read was given it: empty for a
  // command or the key.
  const std::string& Question() const { return question; }
  // Which of the game's hints the player is shown: none without a front end.
  hints Hints() const { return player != nullptr ? player->Hints() : hints::kNone; }

  // Continuing a game: reads `typed`, what the player typed in an earlier run, before the input
  // of this one, and writes nothing while it lasts; the front end is told each line as the game
  // reads it (front_end::Replayed). Once it is used up, the console calls what OnCaughtUp gave
  // it to show where the player stands, and shows the question the game was asking, if it was
  // in the middle of a command.
  void Replay(std::string typed);
  void OnCaughtUp(std::function<void()> show);
  // Whether the console is still replaying the typing of an earlier run.
  bool Replaying() const { return muted; }
  // Ends the input: every later read fails, and a replay never catches up. For a front end whose
  // replay ended the game, which is then no game to go on with.
  void EndInput();

  // Completing: what the player may type to finish `line`, where the game waits now.
  using completer = std::function<completion(wanted what, std::string_view line)>;
  void OnComplete(completer complete);
  completion Complete(std::string_view line) const;

 private:
  friend class replay_buffer;
  void Waiting(wanted what, std::string_view asked = {});
  void Replayed(std::string_view line);
  void CaughtUp();
  void Emit(bool lineEnds);

  std::istream* in;
  std::ostream& out;
  front_end* player;

  // Wrapping: the line being written, and the column the terminal's cursor is at.
  bool wraps = false;
  std::string pending;
  int column = 0;

  // Continuing: the earlier input, and what the game wrote since it last read a command.
  std::unique_ptr<replay_buffer> replay;
  std::unique_ptr<std::istream> replayed;
  bool muted = false;
  wanted waitingFor = wanted::kCommand;
  std::string sinceCommand;
  std::function<void()> showWhereThePlayerStands;
  completer names;
  std::string question;  // what the game asks for at the read it waits at
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_CONSOLE_H_
