#include "terminal/terminal.h"

#include <cstdlib>
#include <string>

#include "terminal/line_editor.h"

namespace quillmore {

namespace {

constexpr const char* kPrompt = "> ";
constexpr int kFallbackWidth = 80;

}  // namespace

// Answers are no commands to recall, so the history keeps none.
void PlayTyped(session& played, line_editor& editor, platform& system) {
  std::string line;
  while (!played.Over()) {
    if (played.Waiting() == wanted::kKey) {
      ReadKey(played, system);
      continue;
    }
    const std::string& asked = played.Question();
    const std::string prompt = asked.empty() ? kPrompt : asked + ' ' + kPrompt;
    if (editor.ReadLine(prompt, line, played.Waiting() != wanted::kAnswer)) {
      played.Type(line, prompt);
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
  const char* columns = std::getenv("COLUMNS");
  const int fromEnvironment = columns != nullptr ? std::atoi(columns) : 0;
  return fromEnvironment > 0 ? fromEnvironment : kFallbackWidth;
}

}  // namespace quillmore
