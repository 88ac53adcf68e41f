#ifndef QUILLMORE_TERMINAL_POSIX_PLATFORM_H_
#define QUILLMORE_TERMINAL_POSIX_PLATFORM_H_

#include <termios.h>

#include "console/platform.h"

namespace quillmore {

// The terminal as the operating system's own calls see it.
class posix_platform : public platform {
 public:
  bool IsTerminal(int fd) override;
  int TerminalWidth(int fd) override;
  bool EnterSingleKeyMode(int fd) override;
  void LeaveSingleKeyMode(int fd) override;
  std::size_t ReadSome(int fd, char* into, std::size_t most) override;
  std::string Environment(const char* name) override;
  void Unset(const char* name) override;
  std::filesystem::path WorkingFolder() override;
  std::tm Now() override;

 private:
  termios saved{};
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_POSIX_PLATFORM_H_
