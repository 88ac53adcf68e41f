#ifndef QUILLMORE_CONSOLE_OUTPUT_H_
#define QUILLMORE_CONSOLE_OUTPUT_H_

#include <ostream>
#include <string>
#include <string_view>

namespace quillmore {

// Where the game's bytes go. The console writes through this rather than a C++ stream, so that
// a build which needs no streams (the page) carries none of their machinery.
class output {
 public:
  virtual ~output() = default;
  virtual void Write(std::string_view bytes) = 0;
  // What was written so far is to reach the player now.
  virtual void Flush() {}
};

// Output to a C++ stream: standard output, or a test's string stream.
class stream_output final : public output {
 public:
  explicit stream_output(std::ostream& out) : out(out) {}
  void Write(std::string_view bytes) override {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void Flush() override { out.flush(); }

 private:
  std::ostream& out;
};

// Output kept in a string until the host takes it.
class string_output final : public output {
 public:
  void Write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_OUTPUT_H_
