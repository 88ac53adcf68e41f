#include "game/typing.h"

#include "console/visible_text.h"
#include "game/narration.h"

namespace quillmore {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

void typing::Add(std::string_view line, wanted what) {
  if (what == wanted::kCommand && !Trimmed(line).empty()) {
    commands.push_back(text.size());
  }
  text.append(line);
}

bool typing::Undo() {
  if (commands.empty()) {
    return false;
  }
  text.erase(commands.back());
  commands.pop_back();
  return true;
}

void typing::Clear() {
  text.clear();
  commands.clear();
}

// A comment is acknowledged and kept in the transcript alone.
bool typing::CarryOut(aside taken, console& io) {
  if (taken == aside::kComment) {
    Say(io, message::kCommentNoted);
    return false;
  }
  const std::string command = Visible(LastCommand());
  if (!Undo()) {
    Say(io, message::kNothingToUndo);
    return false;
  }
  Say(io, message::kUndone, {.item = command});
  undone = true;
  return true;
}

bool typing::TakeReplay(std::string& replay) {
  if (!undone) {
    return false;
  }
  undone = false;
  replay = text;
  Clear();
  return true;
}

std::string_view typing::LastCommand() const {
  if (commands.empty()) {
    return {};
  }
  const std::string_view last = std::string_view(text).substr(commands.back());
  return Trimmed(last.substr(0, last.find('\n')));
}

// The game's own command words are a small word and the same with a capital, so undo is too.
aside AsideOf(std::string_view line) {
  const std::string_view typed = Trimmed(line);
  if (typed.starts_with('*')) {
    return aside::kComment;
  }
  return typed == "undo" || typed == "Undo" ? aside::kUndo : aside::kNone;
}

}  // namespace quillmore
