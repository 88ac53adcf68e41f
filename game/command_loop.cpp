#include "game/command_loop.h"

namespace quillmore {

task<command_loop::report> command_loop::Run() {
  for (;;) {
    const report last = co_await Step();
    if (last != report::kGoOn) {
      co_return last;
    }
  }
}

// Once input has ended there is nothing more to do: the game ends without a word.
task<command_loop::report> command_loop::Step() {
  const bool worded = co_await io.ReadWord(commandWord);
  if (!worded) {
    co_return report::kInputEnded;
  }
  const report carriedOut = co_await CarryOut(CommandFor(commandWord));
  co_return carriedOut;
}

command_loop::report command_loop::StepThrough() {
  return io.PlayOut(Step());
}

}  // namespace quillmore
