#include "console/single_key_mode.h"

#include <unistd.h>

namespace quillmore {

single_key_mode::single_key_mode(int fd) : fd(fd) {
  active = isatty(fd) == 1 && tcgetattr(fd, &saved) == 0;
  if (!active) {
    return;
  }
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  active = tcsetattr(fd, TCSAFLUSH, &raw) == 0;
}

single_key_mode::~single_key_mode() {
  if (active) {
    tcsetattr(fd, TCSANOW, &saved);
  }
}

}  // namespace quillmore
