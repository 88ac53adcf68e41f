#ifndef QUILLMORE_SHELL_TERMINAL_H_
#define QUILLMORE_SHELL_TERMINAL_H_

#include "shell/console.h"

namespace quillmore {

// A player at a terminal on standard input: the key wait takes one key press, without Enter.
class terminal : public front_end {
 public:
  void Waiting(wanted what) override;
  bool ReadKey(std::istream& in) override;
  void GameOver() override;
};

}  // namespace quillmore

#endif  // QUILLMORE_SHELL_TERMINAL_H_
