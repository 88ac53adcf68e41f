// The game in a web page. The page owns the text: standard output goes to its transcript and
// standard input comes from the line the player types, so the game itself plays exactly as on a
// console. The data files are compiled in (shipped_data.h), so no file system is needed.
//
// Reading blocks the game while the page waits for the player; the build turns the wait into a
// suspension of the WebAssembly stack (Asyncify), so the browser stays responsive.

#include <emscripten.h>
#include <unistd.h>

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "shell/console.h"
#include "shell/game.h"
#include "web/shipped_data.h"

// The page's side (page.js): Module.quillmoreWrite takes output bytes, Module.quillmoreRead
// resolves with the next bytes the player typed, or with nothing when the game is to end.
// clang-format off
EM_JS(void, PageWrite, (const char* bytes, int length),
      { Module.quillmoreWrite(HEAPU8.subarray(bytes, bytes + length)); });

EM_ASYNC_JS(int, PageRead, (char* buffer, int capacity, int wantsKey), {
  const bytes = await Module.quillmoreRead(capacity, wantsKey !== 0);
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});

EM_JS(void, PageGameOver, (int status), { Module.quillmoreGameOver(status); });
// clang-format on

namespace {

// Standard output: buffered here and handed to the page on every flush.
class page_output : public std::streambuf {
 public:
  page_output() { setp(buffer, buffer + sizeof buffer); }

  // True when the last character sent was a line end, or nothing was sent yet.
  bool AtLineStart() const { return atLineStart; }

 protected:
  int_type overflow(int_type c) override {
    Send();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    Send();
    return 0;
  }

 private:
  void Send() {
    const int length = static_cast<int>(pptr() - pbase());
    if (length > 0) {
      atLineStart = pptr()[-1] == '\n';
      PageWrite(pbase(), length);
      setp(buffer, buffer + sizeof buffer);
    }
  }

  char buffer[1024];
  bool atLineStart = true;
};

// Standard input: refilled from the page one typed line at a time. The game writes no prompt
// and ends every line before it reads, except at the end of a won game, where it waits for a
// key after "Press any key to continue . . . ". So a read that starts in the middle of a line
// is the key wait, and the page answers it with the next key pressed.
class page_input : public std::streambuf {
 public:
  explicit page_input(page_output& output) : output(output) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) {
      return traits_type::to_int_type(*gptr());
    }
    output.pubsync();
    const int length = PageRead(buffer, sizeof buffer, output.AtLineStart() ? 0 : 1);
    if (length <= 0) {
      return traits_type::eof();
    }
    setg(buffer, buffer, buffer + length);
    return traits_type::to_int_type(*gptr());
  }

 private:
  page_output& output;
  char buffer[4096];
};

}  // namespace

// The page is no terminal. The key wait asks whether standard input is one, and the page build
// has no file system to answer (-sFILESYSTEM=0), so the answer is given here.
extern "C" int isatty(int /*descriptor*/) {
  return 0;
}

int main() {
  static page_output output;
  static page_input input(output);
  std::cout.rdbuf(&output);
  std::cin.rdbuf(&input);

  std::istringstream rooms{std::string(kShippedRooms)};
  std::istringstream objects{std::string(kShippedObjects)};
  std::istringstream people{std::string(kShippedPeople)};
  quillmore::console io(std::cin, std::cout);
  const int status = quillmore::PlayGame(io, rooms, objects, people);
  std::cout.flush();
  PageGameOver(status);
  return status;
}
