#include "game/whole_save.h"

#include <utility>

namespace quillmore {

std::string whole_save::TakeUp(std::string& notice) {
  const std::optional<std::string> stored = Stored();
  if (!stored) {
    return {};
  }
  save_reading read = ReadSave(*stored, ours);
  if (read.verdict == save_verdict::kOtherData) {
    notice = "The game has changed since yours was saved, so a new one begins.";
  } else if (read.verdict == save_verdict::kUnreadable) {
    notice = "Your saved game could not be read, so a new one begins.";
  }
  if (!notice.empty()) {
    Finish();
    return {};
  }
  typed = std::move(read.typed);
  return typed;
}

bool whole_save::Record(std::string_view line, std::string& notice) {
  if (failed) {
    return false;
  }
  typed.append(line);
  return Keep(notice);
}

bool whole_save::Rewrite(std::string_view text, std::string& notice) {
  if (failed) {
    return false;
  }
  typed.assign(text);
  if (text.empty()) {
    Finish();
    return true;
  }
  return Keep(notice);
}

void whole_save::Finish() {
  typed.clear();
  Remove();
}

bool whole_save::Keep(std::string& notice) {
  if (!Store(SaveHeader(ours.current) + typed)) {
    failed = true;
    notice = "Your progress cannot be kept in this browser.";
  }
  return !failed;
}

}  // namespace quillmore
