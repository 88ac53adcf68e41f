// The game in a web page. The page shows the text: what the game writes goes to its transcript,
// and what the game reads comes from the line the player types there, one line at a time. Each
// line is handed to the session (game/session.h), which runs the game until it waits again, and
// the page is told what it then waits for, so it prompts for a command or a name, takes an answer
// without a prompt, and ends the key wait at the end of a won game on any key. The game goes on
// from where it stood when the page was closed (page_save.h). The data files are compiled in
// (shipped_data.h), so no file system is needed. Nothing here waits: each call returns as soon
// as the game waits again.

#include <emscripten.h>
#include <emscripten/console.h>

#include <string>
#include <utility>

#include "console/completion.h"
#include "console/output.h"
#include "game/save_format.h"
#include "game/session.h"
#include "web/page_save.h"
#include "web/shipped_data.h"

// The page's side (page.js), called on the module:
//   quillmoreWrite(bytes)     takes output, whenever the game waits
//   quillmoreWaits(wanted)    the game waits for "command", "object", "person", "answer" or "key"
//   quillmoreRetyped(wanted, bytes) a line of an opened save, as the game reads it
//   quillmoreBegins(continued, story) before the game writes: whether it goes on from the save
//                             kept, and the story kept with it (page_save.h)
//   quillmoreGameOver(status) the game has ended
//   quillmoreAfresh           true when the player chose New game: nothing is continued
//   quillmoreOpened           the text of a save the player opened, played instead, or null.
// clang-format off
EM_JS(void, PageWrite, (const char* bytes, int length),
      { Module.quillmoreWrite(HEAPU8.subarray(bytes, bytes + length)); });

EM_JS(void, PageWaits, (const char* wanted), { Module.quillmoreWaits(UTF8ToString(wanted)); });

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

EM_JS(void, PageBegins, (int continued, const char* story, int length), {
  Module.quillmoreBegins(continued !== 0, HEAPU8.slice(story, story + length));
});

EM_JS(void, PageGameOver, (int status), { Module.quillmoreGameOver(status); });

EM_JS(int, PageStartsAfresh, (), { return Module.quillmoreAfresh ? 1 : 0; });
// clang-format on

namespace quillmore {

namespace {

// What the game writes, handed to the page whenever the game waits and before a retyped line.
string_output written;
void Send() {
  const std::string text = std::exchange(written.text, {});
  if (!text.empty()) {
    PageWrite(text.data(), static_cast<int>(text.size()));
  }
}

// Said after the game's goodbye, when there is a game to keep.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: open the page again to take it up.)";
// Said after the list of commands.
constexpr const char* kComforts =
    "(Also: undo or the Undo button takes back the last command, Tab completes commands and "
    "names, a line that begins with * is a comment, and Save transcript downloads the game as "
    "text.)";

const char* NameOf(wanted what) {
  switch (what) {
    case wanted::kObjectHere:
    case wanted::kObjectCarried:
    case wanted::kObjectSeen:
      return "object";
    case wanted::kPerson:
      return "person";
    case wanted::kAnswer:
      return "answer";
    case wanted::kKey:
      return "key";
    case wanted::kCommand:
      break;
  }
  return "command";
}

session* playing = nullptr;
page_story record;
data_keys ours;
std::string exchanged;  // what the page and the game hand each other

// The bytes the page handed over, `length` of them; false when it handed none.
bool Handed(int length, std::string& bytes) {
  if (length < 0) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(length));
  PageTake(bytes.data());
  return true;
}

// The mark of a line typed where the game waits now, which the story shows before it.
const char* Mark() {
  const wanted what = playing->Waiting();
  return what == wanted::kAnswer || what == wanted::kKey ? whole_story::kAnswered
                                                         : whole_story::kPrompted;
}

// Tells the page what the game now waits for, or that it has ended. A command word alone asks
// for its name only in the prompt, as a terminal shows it, and so does the story.
int Told() {
  if (playing->Over()) {
    Send();
    PageGameOver(playing->Status());
    return 0;
  }
  const std::string& asked = playing->Question();
  if (written.text.empty() && !asked.empty() && playing->Waiting() != wanted::kAnswer) {
    written.text.append(asked).push_back(' ');
    record.Note(asked + ' ');
  }
  Send();
  PageWaits(NameOf(playing->Waiting()));
  return 0;
}

// The lines of an opened save, played in view, as if typed.
void Retype(std::string_view typed) {
  while (!typed.empty() && !playing->Over()) {
    const std::size_t end = typed.find('\n');
    const std::string_view line = typed.substr(0, end == std::string_view::npos ? end : end + 1);
    typed.remove_prefix(line.size());
    Send();
    PageRetyped(NameOf(playing->Waiting()), line.data(), static_cast<int>(line.size()));
    record.Add(Mark() + std::string(line));
    playing->Retype(line);
  }
}

}  // namespace

}  // namespace quillmore

// Called by the page while the game waits. The page writes what it hands over into the buffer
// quillmore_exchange(size) returns, and reads the answer there as well, from
// quillmore_exchange(the length returned).
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
  const completion found = playing->Complete(line);
  std::string filled;
  FillInWord(found, line, filled);
  exchanged = std::to_string(found.start) + (found.names ? " names\n" : " words\n") + filled;
  for (const std::string& candidate : found.candidates) {
    exchanged += '\n';
    exchanged += candidate;
  }
  return static_cast<int>(exchanged.size());
}

// The story as a transcript, to download.
EMSCRIPTEN_KEEPALIVE int quillmore_transcript() {
  quillmore::exchanged = quillmore::record.Transcript();
  return static_cast<int>(quillmore::exchanged.size());
}

// A line of the page's own, of `size` bytes handed over, which it showed in the story.
EMSCRIPTEN_KEEPALIVE void quillmore_note(int size) {
  quillmore::record.Note(quillmore::exchanged.substr(0, static_cast<std::size_t>(size)));
}

// The game as it stands, as a save (game/save_format.h) to download.
EMSCRIPTEN_KEEPALIVE int quillmore_save() {
  using namespace quillmore;
  exchanged = SaveHeader(ours.current) + playing->Typing();
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

// The line of `size` bytes handed over, typed where the game waits, line end included.
EMSCRIPTEN_KEEPALIVE int quillmore_type(int size) {
  using namespace quillmore;
  playing->Type(exchanged.substr(0, static_cast<std::size_t>(size)), Mark());
  return Told();
}

// The Undo button, at any line.
EMSCRIPTEN_KEEPALIVE int quillmore_undo() {
  quillmore::playing->Undo(quillmore::Mark());
  return quillmore::Told();
}

// A key at the key wait.
EMSCRIPTEN_KEEPALIVE int quillmore_key() {
  quillmore::playing->Key(true);
  return quillmore::Told();
}

}  // extern "C"

int main() {
  using namespace quillmore;
  static const std::string dataKey = DataKey(kShippedRooms, kShippedPeople, kShippedObjects);
  ours = {.current = dataKey, .firstPageFormat = kShippedDataKey};
  static page_save save(ours);
  static session played(written, {.typed = true,
                                  .shown = hints::kPage,
                                  .keep = &save,
                                  .record = &record,
                                  .quitKept = kQuitGameKept,
                                  .afterCommands = kComforts});
  playing = &played;

  // What the game begins with: a save the player opened, a new game, or the game kept.
  std::string notice;
  std::string replay;
  std::string opened;
  std::string retyped;
  if (Handed(PageOpened(), opened)) {
    retyped = ReadSave(opened, ours).typed;
    save.Rewrite(retyped, notice);
  } else if (PageStartsAfresh() != 0) {
    save.Finish();
  } else {
    replay = save.TakeUp(notice);
  }
  const std::string kept = replay.empty() ? std::string() : record.TakeUp();
  PageBegins(replay.empty() ? 0 : 1, kept.data(), static_cast<int>(kept.size()));
  if (!notice.empty()) {
    played.Note(notice);
  }
  if (!replay.empty()) {
    played.Continue(std::move(replay));
  }
  // The five files of data/, in their order.
  const std::string_view inOrder[kDataFileCount] = {kShippedRooms, kShippedPeople, kShippedObjects,
                                                    kShippedMap, kShippedStory};
  data_texts shipped;
  for (const data_file which : kDataFiles) {
    shipped.Of(which).text = inOrder[static_cast<int>(which)];
  }
  string_output problems;  // none in the files built in
  played.Start(shipped, problems);
  if (!problems.text.empty()) {
    emscripten_console_error(problems.text.c_str());
  }
  Retype(retyped);
  // A story kept that ends with a question is not asked it twice.
  if (!kept.empty() && !played.Over() && played.Waiting() == wanted::kAnswer) {
    written.text = "(Welcome back.)\n";
    record.Forget();
    record.Keep(notice);
  }
  return Told();
}
