#include "terminal/terminal.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "console/completion.h"
#include "console/visible_text.h"
#include "game/narration.h"
#include "game/talk.h"
#include "terminal/line_editor.h"
#include "terminal/progress.h"
#include "terminal/transcript.h"

namespace quillmore {

namespace {

constexpr const char* kPrompt = "> ";
constexpr int kFallbackWidth = 80;
constexpr int kWidestColumns = 1000;  // beyond it COLUMNS or LINES is a mistake, not a terminal
// Said after the game's goodbye where progress is kept.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: quillmore -c takes it up.)";

// A count of columns or rows from the environment, when it is one within reason; else 0.
int SaneSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  const bool whole = error == std::errc() && end == text.data() + text.size();
  return whole && size >= 1 && size <= kWidestColumns ? size : 0;
}

// The line editor's terminal library takes COLUMNS and LINES as they are where the terminal
// cannot tell its size, and a size of billions crashes it: only one within reason is left.
void LeaveSaneSizes(platform& system) {
  for (const char* name : {"COLUMNS", "LINES"}) {
    if (!system.Environment(name).empty() && SaneSize(system.Environment(name)) == 0) {
      system.Unset(name);
    }
  }
}

}  // namespace

// What the player types, a line at a time, as the game asks for it: from the line editor for a
// command, a name or an answer, straight from the terminal for the key.
class terminal::typed_input : public std::streambuf {
 public:
  explicit typed_input(terminal& owner) : owner(owner) {}

  // Typed-ahead input is no answer to the key wait.
  void Drop() { setg(nullptr, nullptr, nullptr); }

 protected:
  int_type underflow() override {
    if (!owner.NextInput(line)) {
      return traits_type::eof();
    }
    setg(line.data(), line.data(), line.data() + line.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  terminal& owner;
  std::string line;
};

terminal::terminal(comforts chosen) : chosen(std::move(chosen)) {
  if (this->chosen.edit) {
    LeaveSaneSizes(*this->chosen.system);
    editor = std::make_unique<line_editor>(
        stdin, this->chosen.editorOutput, this->chosen.historyFile, [this](std::string_view line) {
          return io != nullptr ? io->Complete(line) : completion{};
        });
    typed = std::make_unique<typed_input>(*this);
    edited = std::make_unique<std::istream>(typed.get());
  }
}

terminal::~terminal() = default;

// After an undo the input ended, for the game it ended; the next reads it anew.
std::istream& terminal::Input(std::istream& standardInput) {
  if (edited == nullptr) {
    return standardInput;
  }
  edited->clear();
  return *edited;
}

void terminal::Attach(console& console) {
  io = &console;
}

void terminal::Waiting(wanted what) {
  waitingFor = what;
}

// Reads what is there, up to a line at a time from a terminal in its usual mode.
bool terminal::ReadSome(std::string& typed, std::size_t most) const {
  typed.resize(most);
  typed.resize(chosen.system->ReadSome(kStandardInput, typed.data(), most));
  return !typed.empty();
}

bool terminal::NextInput(std::string& line) {
  if (waitingFor == wanted::kKey) {
    return ReadSome(line, 1);  // a key is no move of the game: it is not kept
  }
  for (;;) {
    if (!(waitingFor == wanted::kAnswer ? ReadAnswer(line) : ReadTyped(line))) {
      return false;
    }
    const aside taken = waitingFor == wanted::kCommand ? AsideOf(line) : aside::kNone;
    if (taken == aside::kNone) {
      break;
    }
    if (played.CarryOut(taken, *io)) {
      Rewrite();
      return false;  // the game's input ends, and the game is played again without the command
    }
  }
  played.Add(line, waitingFor);
  std::string notice;
  if (chosen.keep != nullptr && !chosen.keep->Record(line, notice)) {
    Notice(notice);
  }
  return true;
}

void terminal::Rewrite() {
  std::string notice;
  if (chosen.keep != nullptr && !chosen.keep->Rewrite(played.Text(), notice)) {
    Notice(notice);
  }
}

bool terminal::TakeEndedReplay() {
  if (replayEnded) {
    played.Clear();
  }
  return std::exchange(replayEnded, false);
}

bool terminal::TakeUndo(std::string& replay) {
  return played.TakeReplay(replay);
}

void terminal::Replayed(std::string_view line, wanted what) {
  played.Add(line, what);
}

void terminal::Shown(std::string_view text) {
  if (chosen.record != nullptr) {
    chosen.record->Add(text);
  }
}

void terminal::KeepTranscript() {
  std::string notice;
  if (chosen.record != nullptr && !chosen.record->Keep(notice)) {
    Notice(notice);
  }
}

// What cannot be kept is said once; the calls after it fail in silence.
void terminal::Notice(const std::string& notice) {
  if (!notice.empty()) {
    io->Line(notice);
  }
}

// A command or a name, after a prompt that says which the game waits for: "> " for a command,
// "get what? > " for the name after a bare get. The blank Tab leaves after a name is no part of
// it.
bool terminal::ReadTyped(std::string& line) {
  KeepTranscript();
  const std::string prompt = Prompt();
  if (!editor->ReadLine(prompt, line)) {
    return false;
  }
  line = TypedAsText(line);
  Shown(prompt + line);
  DropTrailingBlanks(line);
  return true;
}

// An answer is a whole line, which only a or b gets past; anything else is reminded of them and
// never reaches the game. Answers are no commands to recall, so the history keeps none.
bool terminal::ReadAnswer(std::string& line) {
  std::string typed;
  for (KeepTranscript(); editor->ReadLine(Prompt(), typed, false); KeepTranscript()) {
    typed = TypedAsText(typed);
    Shown(Prompt() + typed);
    if (AnswerLine(typed, line)) {
      return true;
    }
    Say(*io, message::kAnswerReminder);
  }
  return false;
}

std::string terminal::Prompt() const {
  const std::string& asked = io->Question();
  return asked.empty() ? kPrompt : asked + ' ' + kPrompt;
}

bool terminal::ReadKey(std::istream& in) {
  if (typed != nullptr) {
    typed->Drop();
  }
  KeepTranscript();
  const single_key_mode mode(*chosen.system, kStandardInput);
  return in.get() != std::istream::traits_type::eof();
}

// Hints are for a player who types at the terminal; typing piped in needs none.
hints terminal::Hints() {
  return chosen.edit ? hints::kTerminal : hints::kNone;
}

// A won game has nothing left to continue. A quit one is kept as it stood before the command
// that quit, as if the player had closed the terminal then. A game taken up that ends as it is
// replayed is left as it was, and ends at once, without a word or a key.
void terminal::GameOver(ending how) {
  if (io->Replaying()) {
    replayEnded = true;
    io->EndInput();
    return;
  }
  if (chosen.keep == nullptr) {
    return;
  }
  if (how == ending::kWon) {
    chosen.keep->Finish();
  } else if (played.Undo()) {
    Rewrite();
    if (!played.Text().empty()) {
      io->Line(kQuitGameKept);
    }
  }
}

// The terminal's width as it is now; where it cannot say, COLUMNS, then 80.
int terminal::LineWidth() {
  if (!chosen.wrap) {
    return 0;
  }
  const int width = chosen.system->TerminalWidth(kStandardOutput);
  if (width > 0) {
    return width;
  }
  const int fromEnvironment = SaneSize(chosen.system->Environment("COLUMNS"));
  return fromEnvironment > 0 ? fromEnvironment : kFallbackWidth;
}

}  // namespace quillmore
