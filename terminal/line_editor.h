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
// keys (Ctrl-A, E, K, U, W), Up and Down through the history, Ctrl-R to search it, and Tab to
// complete. The history is kept in a file, bounded, across games.
class line_editor {
 public:
  using completer = std::function<completion(std::string_view line)>;

  // Reads from `in` and writes prompts and echo to `out`, which must be the same terminal.
  line_editor(std::FILE* in, std::FILE* out, std::filesystem::path historyFile, completer complete);
  ~line_editor();
  line_editor(const line_editor&) = delete;
  line_editor& operator=(const line_editor&) = delete;

  // Reads one line after `prompt` and returns it with its line end; false at the end of input.
  bool ReadLine(const char* shown, std::string& line);

 private:
  static char* Prompt(editline* editor);
  static unsigned char CompleteKey(editline* editor, int key);
  unsigned char Complete();
  void Remember(std::string_view line);

  editline* editor;
  history* past;
  std::FILE* out;
  std::filesystem::path historyFile;
  completer complete;
  const char* prompt = "";
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_LINE_EDITOR_H_
