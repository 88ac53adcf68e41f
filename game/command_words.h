#ifndef QUILLMORE_GAME_COMMAND_WORDS_H_
#define QUILLMORE_GAME_COMMAND_WORDS_H_

#include <span>
#include <string>

namespace quillmore {

enum class command {
  kNorth,
  kSouth,
  kEast,
  kWest,
  kQuit,
  kInventory,
  kGet,
  kGive,
  kTalk,
  kDrop,
  kLook,
  kCommands,
  kUnknown,
};

// The command a typed word names. Words match whole and case-sensitively: each command takes its
// capital and small first letter and its full name capitalised or small, except give, which has
// no one-letter form since g means get.
command CommandFor(const std::string& word);

// The commands by their full names in small letters, as the list of commands gives them.
std::span<const char* const> CommandNames();

}  // namespace quillmore

#endif  // QUILLMORE_GAME_COMMAND_WORDS_H_
