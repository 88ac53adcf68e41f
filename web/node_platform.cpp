#include "web/node_platform.h"

#include <emscripten.h>
#include <unistd.h>

// clang-format off
EM_JS(int, NodeIsTerminal, (int descriptor), {
  return require('tty').isatty(descriptor) ? 1 : 0;
});

EM_JS(int, NodeColumns, (int descriptor), {
  const stream = [process.stdin, process.stdout, process.stderr][descriptor];
  return stream !== undefined && stream.columns > 0 ? stream.columns : 0;
});

// Runs stty on standard input with the given arguments, blank-separated; returns 0 when it
// failed. What `stty -g` prints is kept as the settings to go back to.
EM_JS(int, NodeStty, (const char* arguments), {
  try {
    const words = UTF8ToString(arguments).split(' ');
    const output = require('child_process').execFileSync('stty', words,
      { stdio: ['inherit', 'pipe', 'ignore'], encoding: 'utf8' });
    if (words[0] === '-g') Module.quillmoreSavedStty = output.trim();
    return 1;
  } catch (error) {
    return 0;
  }
});

EM_JS(void, NodeRestoreStty, (), {
  if (Module.quillmoreSavedStty === undefined) return;
  try {
    require('child_process').execFileSync('stty', [Module.quillmoreSavedStty],
      { stdio: ['inherit', 'ignore', 'ignore'] });
  } catch (error) {
  }
});
// clang-format on

namespace quillmore {

bool node_platform::IsTerminal(int fd) {
  return NodeIsTerminal(fd) != 0;
}

int node_platform::TerminalWidth(int fd) {
  return NodeColumns(fd);
}

// stty works on standard input only.
bool node_platform::EnterSingleKeyMode(int fd) {
  return fd == kStandardInput && IsTerminal(fd) && NodeStty("-g") != 0 &&
         NodeStty("-icanon -echo -isig min 1 time 0") != 0;
}

void node_platform::LeaveSingleKeyMode(int /*fd*/) {
  NodeRestoreStty();
}

std::size_t node_platform::ReadSome(int fd, char* into, std::size_t most) {
  const ssize_t count = read(fd, into, most);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

}  // namespace quillmore
