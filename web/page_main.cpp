// The game in a web page. The page owns the text: what the game writes goes to its transcript,
// and what the game reads comes from the line the player types there, one line at a time. The
// page is told what the game waits for, so it prompts for a command or a name, takes an answer
// without a prompt, and ends the key wait at the end of a won game on any key. An answer is a
// whole line, of which the game is given only a or b; anything else gets a reminder. The game's
// hints are shown. The game goes on from where it stood when the page was closed (page_save.h).
// The data files are compiled in (shipped_data.h), so no file system is needed.
//
// Waiting for the player blocks the game in the middle of a C++ read; the build turns the wait
// into a suspension of the WebAssembly stack (Asyncify), so the browser stays responsive.

#include <emscripten.h>

#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "console/completion.h"
#include "console/console.h"
#include "game/game.h"
#include "game/narration.h"
#include "game/talk.h"
#include "web/page_save.h"
#include "web/shipped_data.h"

// The page's side (page.js), called on the module:
//   quillmoreWrite(bytes)     takes output, at every flush
//   quillmoreReadLine(wanted) resolves with the bytes of the next line typed, ending in "\n",
//                             or with null when the game is to end; `wanted` is "command",
//                             "object", "person" or "answer"
//   quillmoreReadKey()        resolves with true at the next key, false when the game is to end
//   quillmoreGameOver(status) the game has returned
//   quillmoreAfresh           true when the player chose New game: nothing is continued.
// clang-format off
EM_JS(void, PageWrite, (const char* bytes, int length),
      { Module.quillmoreWrite(HEAPU8.subarray(bytes, bytes + length)); });

EM_ASYNC_JS(int, PageReadLine, (const char* wanted), {
  Module.quillmoreTyped = await Module.quillmoreReadLine(UTF8ToString(wanted));
  return Module.quillmoreTyped === null ? -1 : Module.quillmoreTyped.length;
});

EM_JS(void, PageTakeLine, (char* buffer), {
  HEAPU8.set(Module.quillmoreTyped, buffer);
  Module.quillmoreTyped = null;
});

EM_ASYNC_JS(int, PageReadKey, (), { return (await Module.quillmoreReadKey()) ? 1 : 0; });

EM_JS(void, PageGameOver, (int status), { Module.quillmoreGameOver(status); });

EM_JS(int, PageStartsAfresh, (), { return Module.quillmoreAfresh ? 1 : 0; });
// clang-format on

namespace quillmore {

namespace {

// What the game writes: buffered here and handed to the page on every flush.
class page_output : public std::streambuf {
 public:
  page_output() { setp(buffer, buffer + sizeof buffer); }

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
      PageWrite(pbase(), length);
      setp(buffer, buffer + sizeof buffer);
    }
  }

  char buffer[1024];
};

class page_player;

// What the game reads: the lines the player types, one at a time.
class page_input : public std::streambuf {
 public:
  explicit page_input(page_player& player) : player(player) {}

  // Drops what is left of the line read.
  void Drop() { setg(nullptr, nullptr, nullptr); }

 protected:
  int_type underflow() override;

 private:
  page_player& player;
  std::string line;
};

// The player at the page. Every line the game is given is kept as soon as it reads it.
class page_player : public front_end {
 public:
  page_player(std::streambuf& shown, page_save& save) : shown(shown), save(save) {}

  // What the console reads.
  std::streambuf* Input() { return &typed; }

  // The next line the game is given, line end included: a command or a name as typed, without
  // the blanks at its end (Tab leaves one after a name), or an answer once it is a or b. False
  // when the page ends the game.
  bool NextLine(std::string& line) {
    if (!Typed(line)) {
      return false;
    }
    if (waitingFor != wanted::kAnswer) {
      DropTrailingBlanks(line);
    } else {
      std::string typed = line;
      while (!AnswerLine(typed, line)) {
        Say(*io, message::kAnswerReminder);
        if (!Typed(typed)) {
          return false;
        }
      }
    }
    std::string notice;
    if (!save.Record(line, notice) && !notice.empty()) {
      io->Line(notice);
    }
    return true;
  }

  void Attach(console& console) override { io = &console; }
  void Waiting(wanted what) override { waitingFor = what; }
  // The key is no move of the game: it is not kept, and what was typed ahead is no answer.
  bool ReadKey(std::istream& /*in*/) override {
    typed.Drop();
    shown.pubsync();
    return PageReadKey() != 0;
  }
  void GameOver(ending /*how*/) override { save.Clear(); }
  int LineWidth() override { return 0; }  // the page wraps
  hints Hints() override { return hints::kPage; }

 private:
  // The next line the player types, as it is typed.
  bool Typed(std::string& line) {
    shown.pubsync();
    const int length = PageReadLine(NameOf(waitingFor));
    if (length < 0) {
      return false;
    }
    line.resize(static_cast<std::size_t>(length));
    PageTakeLine(line.data());
    return true;
  }

  static const char* NameOf(wanted what) {
    switch (what) {
      case wanted::kObjectHere:
      case wanted::kObjectCarried:
      case wanted::kObjectSeen:
        return "object";
      case wanted::kPerson:
        return "person";
      case wanted::kAnswer:
        return "answer";
      case wanted::kCommand:
      case wanted::kKey:
        break;
    }
    return "command";
  }

  std::streambuf& shown;
  page_save& save;
  page_input typed{*this};
  console* io = nullptr;
  wanted waitingFor = wanted::kCommand;
};

page_input::int_type page_input::underflow() {
  if (gptr() < egptr()) {
    return traits_type::to_int_type(*gptr());
  }
  if (!player.NextLine(line)) {
    return traits_type::eof();
  }
  setg(line.data(), line.data(), line.data() + line.size());
  return traits_type::to_int_type(*gptr());
}

console* playing = nullptr;
std::string exchanged;  // what the page and the game hand each other outside the game's reads

}  // namespace

}  // namespace quillmore

// Called by the page while the game waits for a line; neither waits for input itself. The page
// writes what it hands over into the buffer quillmore_exchange(size) returns, and reads the
// answer there as well, from quillmore_exchange(the length returned).
extern "C" {

EMSCRIPTEN_KEEPALIVE char* quillmore_exchange(int size) {
  quillmore::exchanged.resize(static_cast<std::size_t>(size));
  return quillmore::exchanged.data();
}

// Completes the line of `size` bytes handed over, as Tab does at a terminal. The answer is the
// byte offset the candidates would replace the line from and, after a blank, "names" or "words"
// for what they are; then what Tab fills in there (an empty line when nothing; a whole word or
// name ends in a blank), then each candidate, one a line.
EMSCRIPTEN_KEEPALIVE int quillmore_complete(int size) {
  using namespace quillmore;
  const std::string line = exchanged.substr(0, static_cast<std::size_t>(size));
  const completion found = playing != nullptr ? playing->Complete(line) : completion{};
  std::string filled;
  FillInWord(found, line, filled);
  exchanged = std::to_string(found.start) + (found.names ? " names\n" : " words\n") + filled;
  for (const std::string& candidate : found.candidates) {
    exchanged += '\n';
    exchanged += candidate;
  }
  return static_cast<int>(exchanged.size());
}

}  // extern "C"

int main() {
  using namespace quillmore;
  static page_output output;
  static page_save save(kShippedDataKey);
  static page_player player(output, save);
  std::istream in(player.Input());
  std::ostream out(&output);
  console io(in, out, &player);
  playing = &io;

  if (PageStartsAfresh() != 0) {
    save.Clear();
  } else {
    std::string notice;
    std::string typed = save.TakeUp(notice);
    if (!notice.empty()) {
      io.Line(notice);
    } else if (!typed.empty()) {
      io.Replay(std::move(typed));
    }
  }

  std::istringstream rooms{std::string(kShippedRooms)};
  std::istringstream objects{std::string(kShippedObjects)};
  std::istringstream people{std::string(kShippedPeople)};
  const int status = PlayGame(io, rooms, objects, people);
  playing = nullptr;
  out.flush();
  PageGameOver(status);
  return status;
}
