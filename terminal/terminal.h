#ifndef QUILLMORE_TERMINAL_TERMINAL_H_
#define QUILLMORE_TERMINAL_TERMINAL_H_

#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "console/console.h"
#include "console/platform.h"

namespace quillmore {

class line_editor;
class progress;

// A person playing at a terminal. The key wait always takes a single key press, without Enter.
// The comforts are each for where the stream concerned is a terminal: lines typed at it are
// edited, after a prompt that says what the game waits for, with history and completion, and
// kept as progress; an answer is a whole line, of which the game is given only a or b; the
// game's hints are shown; lines written to it are wrapped at word boundaries to its width, which
// follows a resize.
class terminal : public front_end {
 public:
  struct comforts {
    platform* system = nullptr;         // the terminal's calls; must outlive the terminal
    bool edit = false;                  // standard input is a terminal
    bool wrap = false;                  // standard output is a terminal
    std::FILE* editorOutput = nullptr;  // where prompts and echo go: the same terminal
    std::filesystem::path historyFile;  // may be empty: no history kept across games
    progress* keep = nullptr;           // may be none: no progress kept
  };

  explicit terminal(comforts chosen);
  ~terminal() override;

  // The input to build the console over: standard input itself, or the lines edited from it.
  std::istream& Input(std::istream& standardInput);

  void Attach(console& console) override;
  void Waiting(wanted what) override;
  bool ReadKey(std::istream& in) override;
  void GameOver() override;
  int LineWidth() override;
  hints Hints() override;

 private:
  class typed_input;
  bool NextInput(std::string& line);
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
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_TERMINAL_H_
