#ifndef QUILLMORE_WEB_PAGE_SAVE_H_
#define QUILLMORE_WEB_PAGE_SAVE_H_

#include <string>
#include <string_view>

namespace quillmore {

// The game played in the page, kept in the browser's local storage so that it survives a reload
// and the browser being closed. The game is the same for the same data and the same typing, so
// the typing is all there is to keep: every line the game read, answers included, but not the
// key of the key wait. It is kept under the key "quillmore-save" as
//
//   quillmore save 1          the format
//   data 50a6b74cade4e219     the data compiled into the page (kShippedDataKey)
//   typed 17                  how many bytes of typing follow the blank line
//
//   s
//   give english coins
//
// and written whole after every line. A won or quit game, and New game, remove it.
class page_save {
 public:
  explicit page_save(std::string_view dataKey);

  // The typing of the game to continue, or nothing when no game is kept. When the one kept cannot
  // be read (another format, other data, cut short or changed), returns nothing, sets `notice` to
  // one line that says so, and removes it.
  std::string TakeUp(std::string& notice);
  // Adds a line the game read. False when it could not be kept; `notice` then says so, once, and
  // nothing more is kept of this game.
  bool Record(std::string_view line, std::string& notice);
  // Removes the game kept.
  void Clear();

 private:
  std::string Header(std::size_t typedBytes) const;

  std::string dataKey;
  std::string typed;
  bool failed = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_WEB_PAGE_SAVE_H_
