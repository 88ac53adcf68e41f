#include "shell/terminal.h"

#include <unistd.h>

#include "shell/single_key_mode.h"

namespace quillmore {

void terminal::Waiting(wanted /*what*/) {}

bool terminal::ReadKey(std::istream& in) {
  const single_key_mode mode(STDIN_FILENO);
  return in.get() != std::istream::traits_type::eof();
}

void terminal::GameOver() {}

}  // namespace quillmore
