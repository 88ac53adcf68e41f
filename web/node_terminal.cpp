// The terminal calls of the key wait, for the game under Node. Emscripten's own tcsetattr leaves
// the terminal as it is, so at the end of a won game a key would need Enter after it. Here the
// settings are changed for real with stty on the process's terminal, so one key press ends the
// game as in the native build, and the settings are put back after it.

#include <emscripten.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>

// clang-format off

// Node's answer, not the emulated file system's (which takes /dev/null for a terminal).
EM_JS(int, NodeIsTerminal, (int descriptor), {
  return require('tty').isatty(descriptor) ? 1 : 0;
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

EM_JS(int, NodeRestoreStty, (), {
  if (Module.quillmoreSavedStty === undefined) return 0;
  try {
    require('child_process').execFileSync('stty', [Module.quillmoreSavedStty],
      { stdio: ['inherit', 'ignore', 'ignore'] });
    return 1;
  } catch (error) {
    return 0;
  }
});

// clang-format on

extern "C" {

int isatty(int descriptor) {
  return NodeIsTerminal(descriptor);
}

// Only the settings the key wait changes are reported: a terminal in line mode with echo and
// signals on.
int tcgetattr(int descriptor, struct termios* settings) {
  if (descriptor != STDIN_FILENO || NodeIsTerminal(descriptor) == 0 || NodeStty("-g") == 0) {
    return -1;
  }
  std::memset(settings, 0, sizeof *settings);
  settings->c_lflag = ICANON | ECHO | ISIG;
  settings->c_cc[VMIN] = 1;
  return 0;
}

// Line mode goes back to the settings tcgetattr saw; anything else is single-key mode.
int tcsetattr(int descriptor, int /*when*/, const struct termios* settings) {
  if (descriptor != STDIN_FILENO) {
    return -1;
  }
  if ((settings->c_lflag & ICANON) != 0) {
    return NodeRestoreStty() != 0 ? 0 : -1;
  }
  return NodeStty("-icanon -echo -isig min 1 time 0") != 0 ? 0 : -1;
}

}  // extern "C"
