#ifndef QUILLMORE_CONSOLE_PLATFORM_H_
#define QUILLMORE_CONSOLE_PLATFORM_H_

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>

namespace quillmore {

// The standard streams' descriptors.
constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

// What a front end asks of the operating system, in one small interface: about the terminal the
// player sits at, the environment, the working folder and the clock. The native game supplies the
// system's own calls (isatty, termios, ioctl, the environment), the game under Node supplies
// Node's, and a test may supply its own, with a clock that stands still. Descriptors are those of
// the standard streams.
class platform {
 public:
  platform() = default;
  platform(const platform&) = delete;
  platform& operator=(const platform&) = delete;
  virtual ~platform() = default;

  virtual bool IsTerminal(int fd) = 0;
  // The width of the terminal in columns; 0 when it cannot tell.
  virtual int TerminalWidth(int fd) = 0;
  // Single-key mode: no line editing, no echo, no signals, so that one key press is read as it
  // is typed and Ctrl-C is just a key; typed-ahead input is dropped. False when the descriptor
  // is no terminal or the mode could not be set. Leave puts back the mode Enter found.
  virtual bool EnterSingleKeyMode(int fd) = 0;
  virtual void LeaveSingleKeyMode(int fd) = 0;
  // Reads what there is to read, at most `most` bytes, waiting for at least one: a line at a
  // time from a terminal in its usual mode. 0 at the end of input or on an error.
  virtual std::size_t ReadSome(int fd, char* into, std::size_t most) = 0;

  // A front end that keeps nothing on disk needs none of these: it has no environment, no
  // working folder and a clock at the start of 1900.
  //
  // The value of an environment variable; empty when it is not set.
  virtual std::string Environment(const char* /*name*/) { return {}; }
  // Unsets an environment variable, for the libraries the game calls that read it too.
  virtual void Unset(const char* /*name*/) {}
  // The folder the game was started in.
  virtual std::filesystem::path WorkingFolder() { return {}; }
  // The local time now.
  virtual std::tm Now() { return {}; }
};

// Keeps a terminal in single-key mode for as long as it lives. Does nothing when the descriptor
// is no terminal.
class single_key_mode {
 public:
  single_key_mode(platform& system, int fd) : system(system), fd(fd) {
    active = system.EnterSingleKeyMode(fd);
  }
  ~single_key_mode() {
    if (active) {
      system.LeaveSingleKeyMode(fd);
    }
  }
  single_key_mode(const single_key_mode&) = delete;
  single_key_mode& operator=(const single_key_mode&) = delete;

 private:
  platform& system;
  int fd;
  bool active = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_PLATFORM_H_
