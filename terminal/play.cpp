#include "terminal/play.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "console/output.h"
#include "console/visible_text.h"
#include "game/data_files.h"
#include "game/progress.h"
#include "game/session.h"
#include "game/transcript.h"
#include "terminal/file_names.h"
#include "terminal/libedit.h"
#include "terminal/line_editor.h"
#include "terminal/terminal.h"
#include "world/data_files.h"

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// Said on standard error, after the game's own line, when it starts where its data files are not;
// short enough for one row of a terminal 80 columns wide.
constexpr const char* kStartInTheDataFolder =
    "Start the game where rooms.txt, people.txt and objects.txt are, or install it.\n";
// Said above the first prompt of a game begun where another is kept, with the command that takes
// the other up.
constexpr const char* kLastGameKept = "Your last game here is kept: ";
constexpr const char* kTakesItUp = " takes it up.";
constexpr const char* kGamesOnlyAtATerminal =
    "Games are only kept at a terminal, so a new one begins.";
constexpr const char* kNoStateFolder =
    "Games are kept under $XDG_STATE_HOME or $HOME, and neither names a folder, so a new one "
    "begins.";
constexpr const char* kReplayEnds =
    "The game taken up ends as it is played again (a q or a win in it), so a new one begins.";
constexpr const char* kTranscriptsOnlyAtATerminal =
    "Transcripts are only kept at a terminal, so none is written.";

// Prompts and echo go to the terminal the player types at: standard output, or, when that is
// redirected, standard error. None when neither is a terminal.
std::FILE* EditorOutput(platform& system) {
  if (system.IsTerminal(kStandardOutput)) {
    return stdout;
  }
  return system.IsTerminal(kStandardError) ? stderr : nullptr;
}

// Said where progress is kept: after the game's goodbye, and when the player stops the game with
// Ctrl-C or Ctrl-D; {command} is how the player starts the game.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: {command} -c takes it up.)";
constexpr const char* kStoppedGameKept = "(Your game is kept: {command} -c takes it up.)";
// Said after the list of commands at a terminal; {transcripts} is where they are kept.
constexpr const char* kComforts =
    "(Also: undo takes back the last command, Tab completes commands and names, a line that "
    "begins with * is a comment, and transcripts are kept in {transcripts}.)";
constexpr const char* kComfortsWithoutTranscript =
    "(Also: undo takes back the last command, Tab completes commands and names, and a line that "
    "begins with * is a comment.)";

std::string Filled(std::string line, std::string_view placeholder, std::string_view text) {
  const std::size_t at = line.find(placeholder);
  if (at != std::string::npos) {
    line.replace(at, placeholder.size(), text);
  }
  return line;
}

// How the player starts the game where they are: the installed command, or the launcher that
// started it, which says so in QUILLMORE_STARTED_AS.
std::string Command(platform& system) {
  const std::string launcher = system.Environment("QUILLMORE_STARTED_AS");
  return launcher.empty() ? "quillmore" : Visible(launcher);
}

// A terminal that can do nothing but print (TERM=dumb, as screen readers' consoles and editors'
// shells are) is played plain.
options Chosen(const options& given, platform& system) {
  options chosen = given;
  chosen.plain = chosen.plain || system.Environment("TERM") == "dumb";
  return chosen;
}

// What the game begins with: the game taken up, or a new one, said in one line when it is not
// what the player may expect. A game another terminal holds is played on in a copy, after a line
// that says so.
struct opening {
  std::string notice;
  std::string replay;
  bool goesOn = false;  // the game taken up goes on, from `replay`
};

opening Open(const options& chosen, platform& system, progress* keep, const std::string& command) {
  opening begun;
  if (chosen.resume && keep == nullptr) {
    const bool atATerminal = !chosen.plain && system.IsTerminal(kStandardInput);
    begun.notice =
        atATerminal && StateFolder(system).empty() ? kNoStateFolder : kGamesOnlyAtATerminal;
  } else if (chosen.resume) {
    begun.replay = chosen.resumeFrom.empty()
                       ? keep->TakeUp(begun.notice)
                       : keep->TakeUp(NamedFile(system, chosen.resumeFrom), begun.notice);
    begun.goesOn = begun.notice.empty() || !begun.replay.empty();
  } else if (keep != nullptr && !keep->LastGame().empty()) {
    begun.notice = kLastGameKept + command +
                   " --continue=" + TypeableName(system, keep->LastGame()) + kTakesItUp;
  }
  return begun;
}

void Begin(opening begun, session& played) {
  if (!begun.notice.empty()) {
    played.Note(begun.notice);
  }
  if (begun.goesOn) {
    played.Continue(std::move(begun.replay));
  }
}

// A game taken up in its own file writes on in the transcript it was written in.
fs::path TranscriptOf(const progress& keep, const fs::path& transcripts) {
  const std::string& name = keep.TakenUpTranscript();
  return IsTranscriptName(name) ? transcripts / name : fs::path();
}

}  // namespace

// The comforts are each for where the stream concerned is a terminal: lines typed at it are
// edited, with history and completion, and kept as progress and in a transcript, and the game's
// hints are shown; lines written to it are wrapped at word boundaries to its width, which follows
// a resize. Piped play has none of them.
int Play(const options& given, platform& system, file_system& disk, std::ostream& out) {
  const options chosen = Chosen(given, system);
  const std::string command = Command(system);
  std::FILE* editorOutput = EditorOutput(system);
  const bool edit = !chosen.plain && system.IsTerminal(kStandardInput) && editorOutput != nullptr &&
                    libedit::Load() != nullptr;
  const bool wrap = !chosen.plain && system.IsTerminal(kStandardOutput);
  const data_texts data = ReadDataFiles(disk);
  const fs::path state = edit ? StateFolder(system) : fs::path();
  std::optional<progress> keep;
  std::optional<transcript> record;
  if (!state.empty()) {
    keep.emplace(disk, state, system.WorkingFolder(), DataFilesKey(data));
    disk.MakeFolder(state);        // for the history; progress says so when it cannot keep a game
    std::setlocale(LC_CTYPE, "");  // so that the editor knows the terminal's characters
  }
  opening begun = Open(chosen, system, keep ? &*keep : nullptr, command);
  std::string comforts = kComfortsWithoutTranscript;
  const fs::path transcripts = state / "transcripts";
  if (edit && !chosen.transcriptFile.empty()) {
    record.emplace(disk, NamedFile(system, chosen.transcriptFile));
    comforts = Filled(kComforts, "{transcripts}",
                      TypeableName(system, NamedFile(system, chosen.transcriptFile)));
  } else if (!state.empty()) {
    const fs::path writtenIn = TranscriptOf(*keep, transcripts);
    if (writtenIn.empty()) {
      record.emplace(disk, transcripts, system.Now());
    } else {
      record.emplace(disk, writtenIn);
    }
    comforts = Filled(kComforts, "{transcripts}", TypeableName(system, transcripts));
  }
  stream_output screen(out);
  session played(
      screen,
      {.typed = edit,
       .shown = edit ? hints::kTerminal : hints::kNone,
       .keep = keep ? &*keep : nullptr,
       .record = record ? &*record : nullptr,
       .quitKept = Filled(kQuitGameKept, "{command}", command),
       .stoppedKept = Filled(kStoppedGameKept, "{command}", command),
       .command = command,
       .afterCommands = edit ? comforts : std::string(),
       .width = wrap ? std::function<int()>([&system] { return LineWidth(system); }) : nullptr});
  Begin(std::move(begun), played);
  if (!chosen.transcriptFile.empty() && !record) {
    played.Note(kTranscriptsOnlyAtATerminal);
  }
  const bool dataHere = data.Of(data_file::kRooms).Read() && data.Of(data_file::kPeople).Read() &&
                        data.Of(data_file::kObjects).Read();
  stream_output errors(std::cerr);
  played.Start(data, errors);
  if (played.EndedAsCaughtUp()) {
    keep->Forget();  // only a game taken up is caught up with before the player types
    played.BeginAnew(kReplayEnds);
  }
  if (keep && record && record->File().parent_path() == transcripts) {
    keep->WrittenIn(record->File().filename().string());  // named once the game first waited
  }
  if (edit) {
    LeaveSaneSizes(system);
    line_editor editor(stdin, editorOutput, state.empty() ? fs::path() : state / "history",
                       [&played](std::string_view line) { return played.Complete(line); });
    PlayTyped(played, editor, system);
  } else {
    PlayPiped(played, system);
  }
  if (!dataHere && !chosen.plain && system.IsTerminal(kStandardError)) {
    std::cerr << kStartInTheDataFolder;
  }
  return played.Status();
}

}  // namespace quillmore
