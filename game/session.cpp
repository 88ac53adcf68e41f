#include "game/session.h"

#include <functional>
#include <utility>

#include "game/game.h"
#include "game/narration.h"
#include "game/talk.h"

namespace quillmore {

session::session(output& out, setup chosen)
    : out(out),
      chosen(std::move(chosen)),
      io(std::make_unique<console>(out, static_cast<front_end*>(this))) {}

session::~session() {
  playing.reset();  // the game's frame holds on to the console and the world
}

void session::Note(std::string_view line) {
  if (chosen.typed) {
    notes.emplace_back(line);
  } else {
    io->Line(line);
  }
}

void session::SayNotes() {
  for (const std::string& note : notes) {
    io->Line(note);
  }
  notes.clear();
}

void session::Continue(std::string typed) {
  io->Replay(std::move(typed));
}

bool session::Start(const data_texts& data, output& errors) {
  playable = LoadAndSay(loaded, *io, data, errors);
  if (playable) {
    game = loaded;
    playing.emplace(Play(game, *io));
    playing->Start();
  }
  SayNotes();
  Waits();
  return playable;
}

bool session::Over() const {
  return !io->Waiting();
}

int session::Status() const {
  return playable ? playing->Result() : kExitBadData;
}

// Undo and comments are the player's, never the game's; an answer reaches the game only as a
// or b, and a name without the blank Tab leaves after it. Undo at a name or a question takes
// back the command under way.
void session::Type(std::string line, std::string_view prompt) {
  if (chosen.record != nullptr) {
    chosen.record->Add(std::string(prompt) + line);
  }
  const wanted what = io->WaitingFor();
  aside taken = AsideOf(line);
  if (what != wanted::kCommand && taken != aside::kUndo) {
    taken = aside::kNone;
  }
  std::string answer;
  if (taken != aside::kNone) {
    CarryOut(taken);
  } else if (what == wanted::kAnswer && !AnswerLine(line, answer)) {
    Say(*io, message::kAnswerReminder);
  } else if (what == wanted::kAnswer) {
    Give(answer);
  } else {
    DropTrailingBlanks(line);
    Give(line);
  }
  Waits();
}

void session::Retype(std::string_view line) {
  played.Add(line, io->WaitingFor());
  io->Give(line);
  Waits();
}

void session::Undo(std::string_view prompt) {
  if (chosen.record != nullptr) {
    chosen.record->Add(std::string(prompt) + "undo\n");
  }
  CarryOut(aside::kUndo);
  Waits();
}

void session::Key(bool pressed) {
  pressed ? io->Give(" ") : io->EndInput();  // a key is no move of the game: it is not kept
  Waits();
}

void session::Pipe(std::string_view input) {
  io->Give(input);
  Waits();
}

// Input that ends where a player types is the player stopping the game: it is kept as it stands.
void session::EndInput() {
  const std::string kept(StoppedNow());
  io->EndInput();
  if (!kept.empty()) {
    io->Line(kept);
  }
  Waits();
}

std::string_view session::StoppedNow() const {
  const bool kept = chosen.typed && chosen.keep != nullptr && !played.Text().empty();
  return kept && !Over() ? chosen.stoppedKept : std::string_view();
}

// Every line the game reads is kept as soon as it is given.
void session::Give(std::string_view line) {
  played.Add(line, io->WaitingFor());
  std::string notice;
  if (chosen.keep != nullptr) {
    Kept(chosen.keep->Record(line, notice), notice);
  }
  io->Give(line);
}

void session::CarryOut(aside taken) {
  if (!played.CarryOut(taken, *io)) {
    return;
  }
  std::string notice;
  if (chosen.keep != nullptr) {
    Kept(chosen.keep->Rewrite(played.Text(), notice), notice);
  }
  PlayAgain();
}

// The game one command back is the game played again, without a word, from the typing kept.
void session::PlayAgain() {
  std::string replay;
  played.TakeReplay(replay);
  Begin([this, &replay] { io->Replay(std::move(replay)); });
}

void session::BeginAnew(std::string_view notice) {
  played.Clear();
  endedAsCaughtUp = false;
  notes.emplace_back(notice);
  Begin([] {});
  SayNotes();
  Waits();
}

// A game on a fresh copy of the world, on a console of its own, which `prepare` readies first.
void session::Begin(const std::function<void()>& prepare) {
  playing.reset();
  io = std::make_unique<console>(out, static_cast<front_end*>(this));
  prepare();
  game = loaded;
  playing.emplace(Play(game, *io));
  playing->Start();
}

void session::Kept(bool kept, const std::string& notice) {
  if (!kept && !notice.empty()) {
    io->Line(notice);
  }
}

// The transcript is made to last whenever the game waits, and as it ends.
void session::Waits() {
  std::string notice;
  if (chosen.record != nullptr) {
    Kept(chosen.record->Keep(notice), notice);
  }
}

// Typed-ahead input is no answer to the key wait.
void session::Waiting(wanted what) {
  if (what == wanted::kKey && chosen.typed) {
    io->DropInput();
  }
}

// A won game has nothing left to continue. A quit one is kept as it stood before the command
// that quit, as if the player had closed the game then. A game taken up that ends as it is caught
// up with is left as it was, and ends at once, without a word or a key.
void session::GameOver(ending how) {
  if (io->Replaying()) {
    endedAsCaughtUp = true;
    io->EndInput();
    return;
  }
  if (chosen.keep == nullptr) {
    return;
  }
  std::string notice;
  if (how == ending::kWon) {
    chosen.keep->Finish();
  } else if (played.Undo()) {
    Kept(chosen.keep->Rewrite(played.Text(), notice), notice);
    if (!played.Text().empty()) {
      io->Line(chosen.quitKept);
    }
  }
}

void session::Shown(std::string_view text) {
  if (chosen.record != nullptr) {
    chosen.record->Add(text);
  }
}

void PlayPiped(session& played, platform& system) {
  constexpr std::size_t kMostRead = 4096;  // as much as the C library reads at a time
  std::string input(kMostRead, '\0');
  while (!played.Over()) {
    if (played.Waiting() == wanted::kKey) {
      ReadKey(played, system);
      continue;
    }
    const std::size_t read = system.ReadSome(kStandardInput, input.data(), input.size());
    read > 0 ? played.Pipe(std::string_view(input).substr(0, read)) : played.EndInput();
  }
}

void ReadKey(session& played, platform& system) {
  const single_key_mode mode(system, kStandardInput);
  char key = 0;
  played.Key(system.ReadSome(kStandardInput, &key, 1) > 0);
}

}  // namespace quillmore
