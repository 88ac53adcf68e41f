#ifndef QUILLMORE_WEB_NODE_PLATFORM_H_
#define QUILLMORE_WEB_NODE_PLATFORM_H_

#include "console/platform.h"

namespace quillmore {

// The terminal as Node sees it. Emscripten's own terminal calls take /dev/null for a terminal
// and leave the terminal's mode as it is, so these ask Node, and change the mode for real with
// stty on the process's terminal.
class node_platform : public platform {
 public:
  bool IsTerminal(int fd) override;
  int TerminalWidth(int fd) override;
  bool EnterSingleKeyMode(int fd) override;
  void LeaveSingleKeyMode(int fd) override;
  std::size_t ReadSome(int fd, char* into, std::size_t most) override;
};

}  // namespace quillmore

#endif  // QUILLMORE_WEB_NODE_PLATFORM_H_
