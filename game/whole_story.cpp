#include "game/whole_story.h"

#include <algorithm>

namespace quillmore {

// The story is stored after the save it goes with, and the save after its length and a line end.
std::string whole_story::WithSave(std::string_view text) {
  const std::string save = Save().value_or("");
  return std::to_string(save.size()) + '\n' + save + std::string(text);
}

std::string whole_story::TakeUp() {
  const std::string kept = Stored().value_or("");
  const std::string save = WithSave({});
  story = kept.starts_with(save) ? kept.substr(save.size()) : std::string();
  takenUp = story.size();
  return story;
}

std::string whole_story::Transcript() const {
  std::string text = story;
  std::erase_if(text, [](char c) { return c == kPrompted[0] || c == kAnswered[0]; });
  return text;
}

bool whole_story::Keep(std::string& /*notice*/) {
  Store(WithSave(story));
  return true;
}

void whole_story::Note(std::string_view text) {
  std::string unused;
  Add(text);
  Keep(unused);
}

}  // namespace quillmore
