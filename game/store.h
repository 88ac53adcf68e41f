#ifndef QUILLMORE_GAME_STORE_H_
#define QUILLMORE_GAME_STORE_H_

#include <string>
#include <string_view>

namespace quillmore {

// What a front end keeps of a game as it goes, for the session (session.h) to fill in: the save
// (save_format.h), as the terminal's progress on disk and the page's in the browser's storage.
class store {
 public:
  store() = default;
  store(const store&) = delete;
  store& operator=(const store&) = delete;
  virtual ~store() = default;

  // Records a line the game read. False when it could not be kept: `notice` then says why, once,
  // and nothing more is recorded.
  virtual bool Record(std::string_view line, std::string& notice) = 0;
  // Puts `typed` in the place of all that was recorded, as undo does; nothing typed is no game
  // to keep. False, with `notice`, as Record.
  virtual bool Rewrite(std::string_view typed, std::string& notice) = 0;
  // Nothing is left to continue: the game was won, or given up for a new one.
  virtual void Finish() = 0;
};

// The transcript: what the game showed, as it wrote it, and each line typed after its prompt.
class transcript_store {
 public:
  transcript_store() = default;
  transcript_store(const transcript_store&) = delete;
  transcript_store& operator=(const transcript_store&) = delete;
  virtual ~transcript_store() = default;

  virtual void Add(std::string_view text) = 0;
  // Called whenever the game waits for the player, and as it ends. False when the transcript
  // cannot be kept: `notice` then says why, once.
  virtual bool Keep(std::string& notice) = 0;
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_STORE_H_
