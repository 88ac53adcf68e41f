#ifndef QUILLMORE_GAME_SESSION_H_
#define QUILLMORE_GAME_SESSION_H_

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/completion.h"
#include "console/console.h"
#include "console/output.h"
#include "console/platform.h"
#include "console/task.h"
#include "game/data_files.h"
#include "game/store.h"
#include "game/typing.h"
#include "world/world.h"

namespace quillmore {

// One game as a front end plays it: the front end hands it what the player typed, a line or a
// key at a time (or, piped, the input as it comes), and the session runs the game until it next
// waits, then says what it waits for. The session does all the rest, the same for every front
// end: the typing kept for the save and for undo, undo itself, comments for the author, answers
// taken as whole lines, the hints, the end of a game, and what goes into the save and the
// transcript (store.h). The front end does input and output only. What the game writes goes to
// `out`, wrapped to the width the front end gives; the stores must outlive the session.
class session : private front_end {
 public:
  struct setup {
    bool typed = false;          // a player types lines: undo, comments and answers as lines
    hints shown = hints::kNone;  // which of the game's hints the player is shown
    store* keep = nullptr;       // the save; none: nothing is kept
    transcript_store* record = nullptr;  // the transcript; none: none is kept
    std::string quitKept = {};           // said after the goodbye when a quit game is kept
    std::string stoppedKept = {};        // said when input ends on a game that is kept
    std::string command = "quillmore";   // how the player starts the game again
    std::string afterCommands = {};      // the front end's line after the list of commands
    std::function<int()> width = {};     // the columns to wrap at, asked at every line end; 0: none
  };

  session(output& out, setup chosen);
  ~session() override;
  session(const session&) = delete;
  session& operator=(const session&) = delete;

  // Before Start: a line of the front end's own, on the game's output; where a player types, it
  // stands after the opening, just above the first prompt, so that it is in view.
  void Note(std::string_view line);
  // Before Start: the game goes on from `typed`, an earlier run's typing, which it catches up
  // with without a word before it shows where the player stands.
  void Continue(std::string typed);
  // Loads the data files and runs the game until it first waits. False when they cannot be
  // played: the game is then over, having said why.
  bool Start(const data_texts& data, output& errors);
  // After Start: true when the game taken up (Continue) ended as it was caught up with, a q or a
  // win in it. It ended without a word, kept nothing and is no game to go on with.
  bool EndedAsCaughtUp() const { return endedAsCaughtUp; }
  // Forgets the typing taken up and begins a new game, after `notice`.
  void BeginAnew(std::string_view notice);

  // A line the player typed, with its line end, after `prompt`, which the transcript shows too.
  void Type(std::string line, std::string_view prompt);
  // A line of a save the player opened, played in view: kept, and given to the game as it is.
  void Retype(std::string_view line);
  // Undo asked for otherwise than by typing it (the page's button), after `prompt`.
  void Undo(std::string_view prompt);
  // The key wait: a key, or none when input ended.
  void Key(bool pressed);
  // Piped play: the input as it comes, read as it is.
  void Pipe(std::string_view input);
  // There will be no more input.
  void EndInput();

  bool Over() const;
  // What the game waits for, and what it asks in a few words ("get what?"; empty for a command).
  wanted Waiting() const { return io->WaitingFor(); }
  const std::string& Question() const { return io->Question(); }
  int Status() const;
  completion Complete(std::string_view line) const { return io->Complete(line); }
  // Every line the game read in this game, as a save holds it.
  const std::string& Typing() const { return played.Text(); }
  // What to say should the player stop the game now: that it is kept, when it is; else empty.
  std::string_view StoppedNow() const;

 private:
  void Attach(console& /*io*/) override {}
  void Waiting(wanted what) override;
  void GameOver(ending how) override;
  int LineWidth() override { return chosen.width ? chosen.width() : 0; }
  hints Hints() override { return chosen.shown; }
  std::string_view Command() override { return chosen.command; }
  std::string_view AfterCommands() override { return chosen.afterCommands; }
  void Replayed(std::string_view line, wanted what) override { played.Add(line, what); }
  void Shown(std::string_view text) override;

  void Give(std::string_view line);
  void CarryOut(aside taken);
  void PlayAgain();
  void Begin(const std::function<void()>& prepare);
  void Kept(bool kept, const std::string& notice);
  void Waits();
  void SayNotes();

  output& out;
  setup chosen;
  std::unique_ptr<console> io;
  world loaded;  // the world as the data files make it; each play begins on a copy
  world game;
  std::optional<task<int>> playing;
  bool playable = false;
  bool endedAsCaughtUp = false;
  typing played;                   // every line the game read in this game
  std::vector<std::string> notes;  // the front end's, said once the game first waits
};

// Plays standard input through `system` as it comes, as piped play always has, until the game
// ends.
void PlayPiped(session& played, platform& system);

// The key wait, read from standard input: at a terminal, a single key press without Enter.
void ReadKey(session& played, platform& system);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_SESSION_H_
