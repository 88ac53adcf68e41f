#ifndef QUILLMORE_GAME_HINTS_H_
#define QUILLMORE_GAME_HINTS_H_

#include <bitset>
#include <string_view>

#include "console/console.h"

namespace quillmore {

// Hints for the habits of other text adventures. A player used to them types x, take, go north,
// NORTH or save and gets the game's own reply; where the player types, at a terminal or in the
// page (console::Hints), one line in parentheses follows that names the game's own way, each hint
// at most once a game; a name in other capitals and a whole give are named each time. Piped play
// never shows one. The table is in hints.cpp.
class hint_book {
 public:
  // After the game's reply to `typed`: a command word the game does not know, or "look at" or
  // "talk to" when the name after look or talk begins with that word.
  void After(console& io, std::string_view typed);
  // After a name typed in other capitals than the one name it could mean: `command` is the
  // command as it would work ("talk Sean"). Each time.
  static void AfterName(console& io, std::string_view command);
  // After give with `thing`, which names a person after " to ": says how give goes. Each time.
  static void AfterGive(console& io, std::string_view thing);

 private:
  static constexpr std::size_t kMostHints = 16;
  std::bitset<kMostHints> given;
};

// Whether `name`, a name as typed after a command, begins with `word`, in small letters, as a
// word of its own in any case ("At couple" with "at").
bool BeginsWithWord(std::string_view name, std::string_view word);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_HINTS_H_
