#ifndef QUILLMORE_GAME_WHOLE_STORY_H_
#define QUILLMORE_GAME_WHOLE_STORY_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/store.h"

namespace quillmore {

// A transcript kept as one text, replaced whole whenever the game waits, with the save it goes
// with, so that the story is shown again only with that save: the page's, in the browser's
// storage. Each line typed in it follows a mark, kPrompted or kAnswered, so that it can be shown
// as a line typed; the transcript drops the marks.
class whole_story : public transcript_store {
 public:
  static constexpr const char* kPrompted = "\x1e> ";
  static constexpr const char* kAnswered = "\x1f";

  // The story kept with the save kept now, to go on with; it is then the start of this one.
  std::string TakeUp();
  // Forgets what was added since TakeUp.
  void Forget() { story.resize(takenUp); }
  std::string Transcript() const;
  void Add(std::string_view text) override { story.append(text); }
  // Storage refused keeps the story where it is shown only, which is no news to give the player.
  bool Keep(std::string& /*notice*/) override;
  // Adds a line of the front end's own, and keeps the story.
  void Note(std::string_view text);

 protected:
  // The place that holds the story: what it holds, if anything; puts `text` in the place of it.
  virtual std::optional<std::string> Stored() = 0;
  virtual void Store(std::string_view text) = 0;
  // The save kept now, if any.
  virtual std::optional<std::string> Save() = 0;

 private:
  std::string story;
  std::size_t takenUp = 0;
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_WHOLE_STORY_H_
