#ifndef QUILLMORE_CONSOLE_CONSOLE_H_
#define QUILLMORE_CONSOLE_CONSOLE_H_

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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

// What the player may type to finish a line: each candidate would replace the line from `start`
// on. Candidates carry their exact capitals.
struct completion {
  std::size_t start = 0;
  std::vector<std::string> candidates;
};

// How the player meets the game: a terminal, a page. It is told what the game waits for before
// every read, answers the key wait, and may ask for lines to be wrapped. Plain streams need none.
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
  // Waits for one key of `in` at the end of a won game. False when input has ended.
  virtual bool ReadKey(std::istream& in) = 0;
  // The game has been won or quit: there is nothing left to continue.
  virtual void GameOver() = 0;
  // The width in columns to wrap lines at, asked at every line end; 0 leaves lines as they are.
  // A front end that answers 0 at first never wraps.
  virtual int LineWidth() = 0;
};

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
  // Reads up to the next line end, which is consumed and not kept. The line may be empty.
  bool ReadLine(std::string& line, wanted what);
  // Takes exactly one character, whatever it is.
  bool ReadCharacter(char& character, wanted what);
  // Reads the rest of the line and throws it away, without keeping it in memory.
  bool DiscardLine();
  // Skips whitespace, line ends included, and takes the next single character.
  bool ReadAnswer(char& character);
  // Waits for one key; on a terminal a single key press without Enter.
  bool ReadKey();
  // While `text` is empty: writes `question` on a line of its own and reads a whole new line.
  bool AskWhileEmpty(std::string& text, std::string_view question, wanted what);

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
  void GameOver();

  // Continuing a game: reads `typed`, what the player typed in an earlier run, before the input
  // of this one, and writes nothing while it lasts. Once it is used up, the console calls what
  // OnCaughtUp gave it to show where the player stands, and shows the question the game was
  // asking, if it was in the middle of a command.
  void Replay(std::string typed);
  void OnCaughtUp(std::function<void()> show);

  // Completing: what the player may type to finish `line`, where the game waits now.
  using completer = std::function<completion(wanted what, std::string_view line)>;
  void OnComplete(completer complete);
  completion Complete(std::string_view line) const;

 private:
  friend class replay_buffer;
  void Waiting(wanted what);
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
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_CONSOLE_H_
