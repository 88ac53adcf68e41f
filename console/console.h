#ifndef QUILLMORE_CONSOLE_CONSOLE_H_
#define QUILLMORE_CONSOLE_CONSOLE_H_

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "console/completion.h"
#include "console/front_end.h"
#include "console/output.h"
#include "console/task.h"

namespace quillmore {

// Every byte the player types and every byte the game writes passes through the one console.
// The game reads by awaiting the console's reads (task.h): a read takes what it needs of the
// input given so far, or, when that is not enough yet, the game hands control back to its host,
// which gives more input (Give) or ends it (EndInput), and the game goes on from that read. So
// no front end ever runs inside the game while it waits. A test builds the console over a
// stream instead, and PlayOut gives it the stream's lines. It lends nothing it does not own: the
// streams and the front end must outlive it.
//
// Reads take the input as a C++ stream's reads would, byte for byte: they come out false when
// input ended before they extracted anything; once one has met the end, every later one is
// false too, so a caller that stops at the first false never waits or repeats forever.
// Writes go out as they are, or wrapped at word boundaries when the front end asks; every line
// end flushes, and so does every wait.
class console {
 public:
  explicit console(output& out, front_end* player = nullptr);
  explicit console(std::ostream& out, front_end* player = nullptr);
  console(std::istream& in, std::ostream& out, front_end* player = nullptr);
  ~console();
  console(const console&) = delete;
  console& operator=(const console&) = delete;

  class read;
  // Skips whitespace, line ends included, then takes the characters up to the next whitespace,
  // which stays unread.
  read ReadWord(std::string& word);
  // `asked` is what the game asks for, in a few words ("get what?"), which a front end may
  // prompt with; a front end is always told it before the read, and plain streams ignore it.
  //
  // Reads up to the next line end, which is consumed and not kept. The line may be empty.
  read ReadLine(std::string& line, wanted what, std::string_view asked = {});
  // Takes exactly one character, whatever it is.
  read ReadCharacter(char& character, wanted what, std::string_view asked = {});
  // Reads the rest of the line and throws it away, without keeping it in memory.
  read DiscardLine();
  // Skips whitespace, line ends included, and takes the next single character.
  read ReadAnswer(char& character, std::string_view asked = {});
  // Waits for one key: any one character.
  read ReadKey();

  // The host's side. Whether the game waits at a read for more input than it has been given.
  bool Waiting() const { return static_cast<bool>(suspended); }
  // What the game waits for now, or last waited for.
  wanted WaitingFor() const { return waitingFor; }
  // Adds to the input, and lets the game go on until it waits again or ends.
  void Give(std::string_view typed);
  // There will be no more input: the reads waiting and every later one come out false, and what
  // is left of a replay is never read.
  void EndInput();
  // What is left of the input given is no answer to the read to come (the key wait after a
  // typed line).
  void DropInput();
  // How much of the input given the game has not read.
  std::size_t Unread() const { return input.size() - taken; }
  // Over a stream: gives the game the stream's lines as it waits for them, and ends its input
  // where the stream ends, until the game has ended.
  void PlayOut();
  // Over a stream: runs `part` of the game to its end so, and says what it came to.
  template <typename T>
  T PlayOut(task<T> part) {
    part.Start();
    PlayOut();
    return part.Result();
  }

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
  // How the player starts the game again, and the front end's line after the list of commands.
  std::string_view Command() const { return player != nullptr ? player->Command() : "quillmore"; }
  std::string_view AfterCommands() const {
    return player != nullptr ? player->AfterCommands() : std::string_view();
  }

  // Continuing a game: reads `typed`, what the player typed in an earlier run, before the input
  // of this one, and writes nothing while it lasts; the front end is told each line as the game
  // reads it (front_end::Replayed). Once it is used up, the console calls what OnCaughtUp gave
  // it to show where the player stands, and shows the question the game was asking, if it was
  // in the middle of a command.
  void Replay(std::string typed);
  void OnCaughtUp(std::function<void()> show);
  // Whether the console is still replaying the typing of an earlier run.
  bool Replaying() const { return muted; }

  // Completing: what the player may type to finish `line`, where the game waits now.
  using completer = std::function<completion(wanted what, std::string_view line)>;
  void OnComplete(completer complete);
  completion Complete(std::string_view line) const;

 private:
  void Waiting(wanted what, std::string_view asked = {});
  bool Take(read& reading);
  bool Answer(read& reading);
  void Resume();
  bool NextReplayed();
  void CaughtUp();
  void Emit(bool lineEnds);

  std::istream* in = nullptr;
  std::unique_ptr<output> ownOutput;  // over a stream
  output& out;
  front_end* player;

  // Input: what was given, how far the game has read it, and whether more may come.
  std::string input;
  std::size_t taken = 0;
  bool ended = false;
  bool metTheEnd = false;            // a read met the end of input: every later one comes out false
  co::coroutine_handle<> suspended;  // the game, waiting at `waitsAt`
  read* waitsAt = nullptr;
  char key = 0;  // the key of the key wait, which nothing looks at

  // Wrapping: the line being written, and the column the terminal's cursor is at.
  bool wraps = false;
  std::string pending;
  int column = 0;

  // Continuing: the earlier input, how far it was given, and what the game wrote since it last
  // read a command.
  std::string replay;
  std::size_t replayed = 0;
  bool catchingUp = false;
  bool muted = false;
  wanted waitingFor = wanted::kCommand;
  std::string sinceCommand;
  std::function<void()> showWhereThePlayerStands;
  completer names;
  std::string question;  // what the game asks for at the read it waits at
};

// A read the game awaits: `co_await io.ReadWord(word)` is true when it extracted something.
class console::read {
 public:
  enum class kind { kWord, kLine, kCharacter, kDiscard, kAnswer };
  read(console& io, kind how, std::string* text, char* character)
      : io(io), how(how), text(text), character(character) {}

  bool await_ready() { return io.Answer(*this); }
  void await_suspend(co::coroutine_handle<> game);
  bool await_resume() const { return extracted; }

 private:
  friend class console;
  bool Finish(bool any) {
    extracted = any;
    return true;
  }

  console& io;
  kind how;
  std::string* text;
  char* character;
  bool begun = false;
  bool extracted = false;
  std::size_t count = 0;  // characters extracted so far
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_CONSOLE_H_
