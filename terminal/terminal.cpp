#include "terminal/terminal.h"

#include <charconv>
#include <string>
#include <system_error>

#include "console/visible_text.h"
#include "terminal/line_editor.h"

namespace quillmore {

namespace {

constexpr const char* kPrompt = "> ";
constexpr int kFallbackWidth = 80;
constexpr int kWidestColumns = 1000;  // beyond it COLUMNS or LINES is a mistake, not a terminal

// A count of columns or rows from the environment, when it is one within reason; else 0.
int SaneSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  const bool whole = error == std::errc() && end == text.data() + text.size();
  return whole && size >= 1 && size <= kWidestColumns ? size : 0;
}

}  // namespace

// Answers are no commands to recall, so the history keeps none. Ctrl-C, like Ctrl-D, says
// whether the game is kept.
void PlayTyped(session& played, line_editor& editor, platform& system) {
  std::string line;
  while (!played.Over()) {
    if (played.Waiting() == wanted::kKey) {
      ReadKey(played, system);
      continue;
    }
    const std::string& asked = played.Question();
    const std::string prompt = asked.empty() ? kPrompt : asked + ' ' + kPrompt;
    line_editor::SayOnInterrupt(played.StoppedNow());
    const bool read = editor.ReadLine(prompt, line, played.Waiting() != wanted::kAnswer);
    line_editor::SayOnInterrupt({});  // only a line being typed stops a game that is kept
    if (read) {
      played.Type(TypedAsText(line), prompt);
    } else {
      played.EndInput();
    }
  }
}

int LineWidth(platform& system) {
  const int width = system.TerminalWidth(kStandardOutput);
  if (width > 0) {
    return width;
  }
  const int fromEnvironment = SaneSize(system.Environment("COLUMNS"));
  return fromEnvironment > 0 ? fromEnvironment : kFallbackWidth;
}

void LeaveSaneSizes(platform& system) {
  for (const char* name : {"COLUMNS", "LINES"}) {
    if (!system.Environment(name).empty() && SaneSize(system.Environment(name)) == 0) {
      system.Unset(name);
    }
  }
}

}  // namespace quillmore
