#ifndef QUILLMORE_CONSOLE_SINGLE_KEY_MODE_H_
#define QUILLMORE_CONSOLE_SINGLE_KEY_MODE_H_

#include <termios.h>

namespace quillmore {

// Puts the terminal on a file descriptor into single-key mode for as long as it lives: no line
// editing, no echo, typed-ahead input dropped. Signals are off too, so Ctrl-C is just the key
// that was pressed and the settings are always put back. Does nothing when the descriptor is no
// terminal.
class single_key_mode {
 public:
  explicit single_key_mode(int fd);
  ~single_key_mode();
  single_key_mode(const single_key_mode&) = delete;
  single_key_mode& operator=(const single_key_mode&) = delete;

 private:
  int fd;
  termios saved{};
  bool active = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_SINGLE_KEY_MODE_H_
