#include "terminal/posix_platform.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace quillmore {

bool posix_platform::IsTerminal(int fd) {
  return isatty(fd) == 1;
}

int posix_platform::TerminalWidth(int fd) {
  winsize size{};
  return ioctl(fd, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

bool posix_platform::EnterSingleKeyMode(int fd) {
  if (!IsTerminal(fd) || tcgetattr(fd, &saved) != 0) {
    return false;
  }
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  return tcsetattr(fd, TCSAFLUSH, &raw) == 0;
}

void posix_platform::LeaveSingleKeyMode(int fd) {
  tcsetattr(fd, TCSANOW, &saved);
}

std::size_t posix_platform::ReadSome(int fd, char* into, std::size_t most) {
  ssize_t count = 0;
  do {
    count = read(fd, into, most);
  } while (count < 0 && errno == EINTR);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::string posix_platform::Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

void posix_platform::Unset(const char* name) {
  unsetenv(name);
}

std::filesystem::path posix_platform::WorkingFolder() {
  std::error_code
      error;  // a folder removed under the game has no name: then relative names stay so
  return std::filesystem::current_path(error);
}

std::tm posix_platform::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace quillmore
