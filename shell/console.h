#ifndef QUILLMORE_SHELL_CONSOLE_H_
#define QUILLMORE_SHELL_CONSOLE_H_

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace quillmore {

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

// How the player meets the game: a terminal, a page. It is told what the game waits for before
// every read, and it answers the key wait. Plain streams need none.
class front_end {
 public:
  front_end() = default;
  front_end(const front_end&) = delete;
  front_end& operator=(const front_end&) = delete;
  virtual ~front_end() = default;

  // Called before each read that may wait for the player.
  virtual void Waiting(wanted what) = 0;
  // Waits for one key of `in` at the end of a won game. False when input has ended.
  virtual bool ReadKey(std::istream& in) = 0;
  // The game has been won or quit: there is nothing left to continue.
  virtual void GameOver() = 0;
};

// Every byte the player types and every byte the game writes passes through the one console.
// `main` builds it over the standard streams, a test over string streams. It lends nothing it
// does not own: the streams and the front end must outlive it.
//
// Reads return false when input ended before they extracted anything; once one has, every later
// one does too, so a caller that stops at the first false never waits or repeats forever.
// Writes go out as they are; every line end flushes.
class console {
 public:
  console(std::istream& in, std::ostream& out, front_end* player = nullptr)
      : in(in), out(out), player(player) {}
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

 private:
  void Waiting(wanted what);

  std::istream& in;
  std::ostream& out;
  front_end* player;
};

}  // namespace quillmore

#endif  // QUILLMORE_SHELL_CONSOLE_H_
