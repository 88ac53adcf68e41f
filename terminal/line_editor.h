#ifndef QUILLMORE_TERMINAL_LINE_EDITOR_H_
#define QUILLMORE_TERMINAL_LINE_EDITOR_H_

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "game/completion.h"

struct editline;
struct history;

namespace quillmore {

// Reads lines typed at a terminal with libedit: the cursor keys, Home and End, the usual Emacs
// keys (Ctrl-A, E, K, U, W), Up and Down through the history, Ctrl-R to search it, with a prompt
// that says so, and Tab to complete, with a blank after a whole word. The history is kept in a
// file, bounded, across games. While an editor lives, Ctrl-C ends the row being typed, and says
// the line SayOnInterrupt gave, before it ends the game, so that the shell's prompt starts a row
// of its own.
class line_editor {
 public:
  using completer = std::function<completion(std::string_view line)>;

  // Reads from `in` and writes prompts and echo to `out`, which must be the same terminal.
  line_editor(std::FILE* in, std::FILE* out, std::filesystem::path historyFile, completer complete);
  ~line_editor();
  line_editor(const line_editor&) = delete;
  line_editor& operator=(const line_editor&) = delete;

  // Reads one line after the prompt `shown` and returns it with its line end; false at the end
  // of input. The line is added to the history unless `remember` is false.
  bool ReadLine(std::string_view shown, std::string& line, bool remember = true);

  // A line the interrupt says on a row of its own before the game ends; none when empty.
  static void SayOnInterrupt(std::string_view line);

  // What an interrupt runs while an editor lives, once libedit has put the terminal back: ends
  // the row on the editor's output, then gives `signal` its own action, which for Ctrl-C ends
  // the game.
  static void EndRowAndRaise(int signal);

 private:
  static char* Prompt(editline* editor);
  static unsigned char CompleteKey(editline* editor, int key);
  static unsigned char SearchKey(editline* editor, int key);
  unsigned char Complete();
  unsigned char Search();
  void ShowSearch(std::string_view sought, bool found, std::string_view line);
  void Replace(std::string_view line);
  void Remember(std::string_view line);

  editline* editor;
  struct history* past;
  std::FILE* out;
  std::filesystem::path historyFile;
  completer complete;
  std::string prompt;
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_LINE_EDITOR_H_
