#ifndef QUILLMORE_SHELL_COMMAND_WORDS_H_
#define QUILLMORE_SHELL_COMMAND_WORDS_H_

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

}  // namespace quillmore

#endif  // QUILLMORE_SHELL_COMMAND_WORDS_H_
