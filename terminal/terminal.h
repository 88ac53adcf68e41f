#ifndef QUILLMORE_TERMINAL_TERMINAL_H_
#define QUILLMORE_TERMINAL_TERMINAL_H_

#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "console/console.h"
#include "console/platform.h"
#include "game/typing.h"

namespace quillmore {

class line_editor;
class progress;
class transcript;

// A person playing at a terminal. The key wait always takes a single key press, without Enter.
// The comforts are each for where the stream concerned is a terminal: lines typed at it are
// edited, after a prompt that says what the game waits for, with history and completion, and
// kept as progress and in a transcript; an answer is a whole line, of which the game is given
// only a or b; the game's hints are shown; at the command prompt undo takes back the last
// command, and a line that begins with * is a comment for the transcript; lines written to it
// are wrapped at word boundaries to its width, which follows a resize.
//
// Undo ends the game's input, so that the game returns; the caller then plays it again from
// the typing kept (TakeUndo), replayed without a word (console::Replay).
class terminal : public front_end {
 public:
  struct comforts {
    platform* system = nullptr;         // the terminal's calls; must outlive the terminal
    bool edit = false;                  // standard input is a terminal
    bool wrap = false;                  // standard output is a terminal
    std::FILE* editorOutput = nullptr;  // where prompts and echo go: the same terminal
    std::filesystem::path historyFile;  // may be empty: no history kept across games
    progress* keep = nullptr;           // may be none: no progress kept
    transcript* record = nullptr;       // may be none: no transcript kept
  };

  explicit terminal(comforts chosen);
  ~terminal() override;

  // The input to build the console over: standard input itself, or the lines edited from it.
  std::istream& Input(std::istream& standardInput);

  void Attach(console& console) override;
  void Waiting(wanted what) override;
  bool ReadKey(std::istream& in) override;
  void GameOver(ending how) override;
  int LineWidth() override;
  hints Hints() override;
  void Replayed(std::string_view line, wanted what) override;
  void Shown(std::string_view text) override;

  // After an undo, once the game has returned: true, with what the game is to replay to stand
  // where the player now stands. False when the game ended otherwise.
  bool TakeUndo(std::string& replay);
  // Writes what is left of the transcript, as the game ends.
  void KeepTranscript();
  // Once the game has returned: true when it ended while it replayed a game taken up, which is
  // then no game to go on with; the typing is forgotten.
  bool TakeEndedReplay();

 private:
  class typed_input;
  bool NextInput(std::string& line);
  void Rewrite();
  void Notice(const std::string& notice);
  bool ReadTyped(std::string& line);
  bool ReadAnswer(std::string& line);
  std::string Prompt() const;
  bool ReadSome(std::string& typed, std::size_t most) const;

  comforts chosen;
  console* io = nullptr;
  wanted waitingFor = wanted::kCommand;
  std::unique_ptr<line_editor> editor;
  std::unique_ptr<typed_input> typed;
  std::unique_ptr<std::istream> edited;
  typing played;  // every line the game read in this game
  bool replayEnded = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_TERMINAL_H_
