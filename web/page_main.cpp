// The game in a web page. The page owns the text: what the game writes goes to its transcript,
// and what the game reads comes from the line the player types there, one line at a time. The
// page is told what the game waits for, so it prompts for a command or a name, takes an answer
// without a prompt, and ends the key wait at the end of a won game on any key. An answer is a
// whole line, of which the game is given only a or b; anything else gets a reminder. The game's
// hints are shown. The game goes on from where it stood when the page was closed (page_save.h).
// At a command, undo (or the page's Undo button, at any line) takes back the last command and a
// line that begins with * is a comment for the transcript, as at a terminal. The data files are
// compiled in (shipped_data.h), so no file system is needed.
//
// Undo ends the game's input, so that the game returns; main then plays it again from the typing
// kept, replayed without a word (console::Replay). A save the player opened is played again in
// view instead, as if typed, so that the page shows the story so far.
//
// Waiting for the player blocks the game in the middle of a C++ read; the build turns the wait
// into a suspension of the WebAssembly stack (Asyncify), so the browser stays responsive.

#include <emscripten.h>

#include <iostream>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "console/completion.h"
#include "console/console.h"
#include "game/data_files.h"
#include "game/game.h"
#include "game/narration.h"
#include "game/save_format.h"
#include "game/talk.h"
#include "game/typing.h"
#include "web/page_save.h"
#include "web/shipped_data.h"

// The page's side (page.js), called on the module:
//   quillmoreWrite(bytes)     takes output, at every flush
//   quillmoreReadLine(wanted) resolves with the bytes of the next line typed, ending in "\n",
//                             with "undo" for the Undo button, or with null when the game is to
//                             end; `wanted` is "command", "object", "person" or "answer"
//   quillmoreRetyped(wanted, bytes) a line of an opened save, as the game reads it
//   quillmoreReadKey()        resolves with true at the next key, false when the game is to end
//   quillmoreBegins(continued) before the game writes: whether it goes on from the save kept
//   quillmoreGameOver(status) the game has returned
//   quillmoreAfresh           true when the player chose New game: nothing is continued
//   quillmoreOpened           the text of a save the player opened, played instead, or null.
// clang-format off
EM_JS(void, PageWrite, (const char* bytes, int length),
      { Module.quillmoreWrite(HEAPU8.subarray(bytes, bytes + length)); });

EM_ASYNC_JS(int, PageReadLine, (const char* wanted), {
  const typed = await Module.quillmoreReadLine(UTF8ToString(wanted));
  Module.quillmoreTyped = typed instanceof Uint8Array ? typed : null;
  return typed === 'undo' ? -2 : typed === null ? -1 : typed.length;
});

EM_JS(int, PageOpened, (), {
  if (typeof Module.quillmoreOpened !== 'string') return -1;
  Module.quillmoreTyped = new TextEncoder().encode(Module.quillmoreOpened);
  return Module.quillmoreTyped.length;
});

EM_JS(void, PageTake, (char* buffer), {
  HEAPU8.set(Module.quillmoreTyped, buffer);
  Module.quillmoreTyped = null;
});

EM_JS(void, PageRetyped, (const char* wanted, const char* bytes, int length), {
  Module.quillmoreRetyped(UTF8ToString(wanted), HEAPU8.slice(bytes, bytes + length));
});

EM_JS(void, PageBegins, (int continued), { Module.quillmoreBegins(continued !== 0); });

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

// Said after the game's goodbye, when there is a game to keep.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: open the page again to take it up.)";

// The player at the page. Every line the game is given is kept as soon as it reads it.
class page_player : public front_end {
 public:
  page_player(std::streambuf& shown, page_save& save) : shown(shown), save(save) {}

  // What the console reads.
  std::streambuf* Input() { return &input; }
  // Every line the game read in this game.
  const std::string& Typing() const { return played.Text(); }

  // The typing of a save the player opened, which the game is to read before the player types.
  void Retype(std::string typed) {
    retyping = std::move(typed);
    retyped = 0;
  }

  // The next line the game is given, line end included: a command or a name as typed, without
  // the blanks at its end (Tab leaves one after a name), or an answer once it is a or b. False
  // when the page ends the game, or when undo takes back a command.
  bool NextLine(std::string& line) {
    if (Retyped(line)) {
      played.Add(line, waitingFor);  // kept already, with the rest of the save
      return true;
    }
    for (;;) {
      const read got = Typed(line);
      if (got == read::kEnded) {
        return false;
      }
      const aside taken = got == read::kUndo               ? aside::kUndo
                          : waitingFor == wanted::kCommand ? AsideOf(line)
                                                           : aside::kNone;
      if (taken != aside::kNone) {
        if (played.CarryOut(taken, *io)) {
          Rewrite();
          return false;
        }
        continue;
      }
      if (waitingFor != wanted::kAnswer) {
        DropTrailingBlanks(line);
        break;
      }
      const std::string typed = line;
      if (AnswerLine(typed, line)) {
        break;
      }
      Say(*io, message::kAnswerReminder);
    }
    played.Add(line, waitingFor);
    std::string notice;
    save.Record(line, notice);
    if (!notice.empty()) {
      io->Line(notice);
    }
    return true;
  }

  // After an undo, once the game has returned: true, with what the game is to replay to stand
  // where the player now stands. False when the game ended otherwise.
  bool TakeUndo(std::string& replay) { return played.TakeReplay(replay); }

  void Attach(console& console) override { io = &console; }
  void Waiting(wanted what) override { waitingFor = what; }
  // The key is no move of the game: it is not kept, and what was typed ahead is no answer.
  bool ReadKey(std::istream& /*in*/) override {
    input.Drop();
    shown.pubsync();
    return PageReadKey() != 0;
  }
  // A won game has nothing left to continue. A quit one is kept as it stood before the command
  // that quit, as at a terminal, so that opening the page again takes it up.
  void GameOver(ending how) override {
    if (how == ending::kWon) {
      save.Clear();
    } else if (played.Undo()) {
      Rewrite();
      if (!played.Text().empty()) {
        io->Line(kQuitGameKept);
      }
    }
  }
  int LineWidth() override { return 0; }  // the page wraps
  hints Hints() override { return hints::kPage; }
  void Replayed(std::string_view line, wanted what) override { played.Add(line, what); }

 private:
  enum class read { kLine, kUndo, kEnded };

  // The next line the player types, as it is typed, or the Undo button.
  read Typed(std::string& line) {
    shown.pubsync();
    const int length = PageReadLine(NameOf(waitingFor));
    if (length < 0) {
      return length == -2 ? read::kUndo : read::kEnded;
    }
    line.resize(static_cast<std::size_t>(length));
    PageTake(line.data());
    return read::kLine;
  }

  // The next line of an opened save, shown by the page as if typed. False when there is none.
  bool Retyped(std::string& line) {
    if (retyped == retyping.size()) {
      return false;
    }
    const std::size_t end = retyping.find('\n', retyped);
    const std::size_t after = end == std::string::npos ? retyping.size() : end + 1;
    line = retyping.substr(retyped, after - retyped);
    retyped = after;
    shown.pubsync();
    PageRetyped(NameOf(waitingFor), line.data(), static_cast<int>(line.size()));
    return true;
  }

  void Rewrite() {
    std::string notice;
    save.Rewrite(played.Text(), notice);
    if (!notice.empty()) {
      io->Line(notice);
    }
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
  page_input input{*this};
  console* io = nullptr;
  wanted waitingFor = wanted::kCommand;
  typing played;         // every line the game read in this game
  std::string retyping;  // an opened save's typing, and how much of it the game has read
  std::size_t retyped = 0;
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
page_player* player = nullptr;
data_keys ours;
std::string exchanged;  // what the page and the game hand each other outside the game's reads

// The bytes the page handed over, `length` of them; false when it handed none.
bool Handed(int length, std::string& bytes) {
  if (length < 0) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(length));
  PageTake(bytes.data());
  return true;
}

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

// The game as it stands, as a save (game/save_format.h) to download.
EMSCRIPTEN_KEEPALIVE int quillmore_save() {
  using namespace quillmore;
  exchanged = SaveHeader(ours.current) + (player != nullptr ? player->Typing() : std::string());
  return static_cast<int>(exchanged.size());
}

// What the text of `size` bytes handed over is: "readable", a save of these data, "other data"
// or "unreadable".
EMSCRIPTEN_KEEPALIVE int quillmore_read_save(int size) {
  using namespace quillmore;
  const save_verdict verdict =
      ReadSave(exchanged.substr(0, static_cast<std::size_t>(size)), ours).verdict;
  exchanged = verdict == save_verdict::kReadable    ? "readable"
              : verdict == save_verdict::kOtherData ? "other data"
                                                    : "unreadable";
  return static_cast<int>(exchanged.size());
}

}  // extern "C"

int main() {
  using namespace quillmore;
  static page_output output;
  static const std::string dataKey = DataKey(kShippedRooms, kShippedPeople, kShippedObjects);
  ours = {.current = dataKey, .firstPageFormat = kShippedDataKey};
  static page_save save(ours);
  static page_player page(output, save);
  player = &page;

  // What the game begins with: a save the player opened, a new game, or the game kept.
  std::string notice;
  std::string replay;
  std::string opened;
  if (Handed(PageOpened(), opened)) {
    std::string typed = ReadSave(opened, ours).typed;
    save.Rewrite(typed, notice);
    page.Retype(std::move(typed));
  } else if (PageStartsAfresh() != 0) {
    save.Clear();
  } else {
    replay = save.TakeUp(notice);
  }
  bool replaying = !replay.empty();
  PageBegins(replaying ? 1 : 0);

  // The five files of data/, in their order.
  const std::string_view inOrder[kDataFileCount] = {kShippedRooms, kShippedPeople, kShippedObjects,
                                                    kShippedMap, kShippedStory};
  data_texts shipped;
  for (const data_file which : kDataFiles) {
    shipped.Of(which).text = inOrder[static_cast<int>(which)];
  }
  // Each undo plays the game again, from the typing kept, to where the player then stands.
  int status = kExitPlayed;
  for (bool first = true;; first = false) {
    std::istream in(page.Input());
    std::ostream out(&output);
    console io(in, out, &page);
    playing = &io;
    if (first && !notice.empty()) {
      io.Line(notice);
    }
    if (replaying) {
      io.Replay(std::move(replay));
    }
    status = PlayGame(io, shipped, std::cerr);
    playing = nullptr;
    out.flush();
    replaying = page.TakeUndo(replay);
    if (!replaying) {
      break;
    }
  }
  PageGameOver(status);
  return status;
}
