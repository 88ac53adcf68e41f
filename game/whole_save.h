#ifndef QUILLMORE_GAME_WHOLE_SAVE_H_
#define QUILLMORE_GAME_WHOLE_SAVE_H_

#include <optional>
#include <string>
#include <string_view>

#include "game/save_format.h"
#include "game/store.h"

namespace quillmore {

// A store that keeps the game as one save text (save_format.h), with no folder line, replaced
// whole at every change, so that the place that holds it keeps the old text or the new one and
// never a mixture: the page's, in the browser's storage. Nothing typed is no game to keep, and
// neither is a won one: the text is then removed.
class whole_save : public store {
 public:
  explicit whole_save(const data_keys& ours) : ours(ours) {}

  // The typing of the game to continue, or nothing when no game is kept. When the one kept cannot
  // be read (another format, other data, cut short or changed), returns nothing, sets `notice` to
  // one line that says so, and removes it.
  std::string TakeUp(std::string& notice);
  bool Record(std::string_view line, std::string& notice) override;
  bool Rewrite(std::string_view text, std::string& notice) override;
  void Finish() override;

 protected:
  // The place that holds the text: what it holds, if anything; puts `text` in the place of it,
  // false when it cannot; removes it.
  virtual std::optional<std::string> Stored() = 0;
  virtual bool Store(std::string_view text) = 0;
  virtual void Remove() = 0;

 private:
  bool Keep(std::string& notice);

  data_keys ours;
  std::string typed;
  bool failed = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_WHOLE_SAVE_H_
