#include "game/whole_story.h"

namespace quillmore {

// The story is stored after the save it goes with and a null character, which no save holds.
std::string whole_story::TakeUp() {
  std::string kept = Stored().value_or("");
  const std::string save = Save().value_or("") + '\0';
  story = kept.starts_with(save) ? kept.erase(0, save.size()) : std::string();
  takenUp = story.size();
  return story;
}

std::string whole_story::Transcript() const {
  std::string text;
  for (const char c : story) {
    if (c != kPrompted[0] && c != kAnswered[0]) {
      text += c;
    }
  }
  return text;
}

bool whole_story::Keep(std::string& /*notice*/) {
  Store(Save().value_or("") + '\0' + story);
  return true;
}

void whole_story::Note(std::string_view text) {
  std::string unused;
  Add(text);
  Keep(unused);
}

}  // namespace quillmore
