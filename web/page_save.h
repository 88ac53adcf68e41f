#ifndef QUILLMORE_WEB_PAGE_SAVE_H_
#define QUILLMORE_WEB_PAGE_SAVE_H_

#include <string>
#include <string_view>

#include "game/save_format.h"
#include "game/store.h"

namespace quillmore {

// The game played in the page, kept in the browser's local storage under the key
// "quillmore-save" so that it survives a reload and the browser being closed. It is a save of
// game/save_format.h, with no folder line, the same text the page downloads: every line the game
// read, answers included, but not the key of the key wait. Each change stores the whole text
// with one setItem, which replaces the old text whole or not at all. A won game, and New game,
// remove it.
class page_save : public store {
 public:
  explicit page_save(const data_keys& ours);

  // The typing of the game to continue, or nothing when no game is kept. When the one kept cannot
  // be read (another format, other data, cut short or changed), returns nothing, sets `notice` to
  // one line that says so, and removes it.
  std::string TakeUp(std::string& notice);
  // Adds a line the game read. When it cannot be kept, `notice` says so, once, and nothing more
  // is kept of this game.
  bool Record(std::string_view line, std::string& notice) override;
  // Puts `text` in the place of all the typing kept, as undo does; nothing typed is no game to
  // keep. Says so in `notice`, as Record does, when it cannot be kept.
  bool Rewrite(std::string_view text, std::string& notice) override;
  // Removes the game kept.
  void Finish() override;

 private:
  bool Store(std::string& notice);

  std::string current;
  std::string firstPageFormat;
  std::string typed;
  bool failed = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_WEB_PAGE_SAVE_H_
