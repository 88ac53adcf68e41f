#include "shell/wait_for_key.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace {

// Puts the terminal into single-key mode for as long as it lives. Signals are off too, so
// Ctrl-C is just the key that was pressed and the settings are always put back.
class single_key_mode {
 public:
  single_key_mode() {
    active = isatty(STDIN_FILENO) == 1 && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (!active) {
      return;
    }
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    active = tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) == 0;
  }
  ~single_key_mode() {
    if (active) {
      tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
  }
  single_key_mode(const single_key_mode&) = delete;
  single_key_mode& operator=(const single_key_mode&) = delete;

 private:
  termios saved{};
  bool active = false;
};

}  // namespace

void WaitForKey() {
  std::cout << "Press any key to continue . . . " << std::flush;
  {
    single_key_mode mode;
    std::cin.get();
  }
  std::cout << std::endl;
}
