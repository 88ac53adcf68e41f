#include "terminal/play.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "game/data_files.h"
#include "game/session.h"
#include "terminal/file_names.h"
#include "terminal/libedit.h"
#include "terminal/line_editor.h"
#include "terminal/progress.h"
#include "terminal/terminal.h"
#include "terminal/transcript.h"
#include "world/data_files.h"

namespace quillmore {

namespace fs = std::filesystem;

namespace {

// Said on standard error, after the game's own line, when it starts where its data files are not;
// short enough for one row of a terminal 80 columns wide.
constexpr const char* kStartInTheDataFolder =
    "Start the game where rooms.txt, people.txt and objects.txt are, or install it.\n";
// Said before the opening of a game begun where another is kept, with the command that takes
// the other up.
constexpr const char* kLastGameKept = "Your last game here is kept: quillmore --continue=";
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

// Said after the game's goodbye where progress is kept.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: quillmore -c takes it up.)";

// What the game begins with: the game taken up, or a new one, said in one line when it is not
// what the player may expect. A game another terminal holds is played on in a copy, after a line
// that says so.
void Begin(const options& chosen, platform& system, progress* keep, session& played) {
  std::string notice;
  std::string replay;
  if (chosen.resume && keep == nullptr) {
    const bool atATerminal = !chosen.plain && system.IsTerminal(kStandardInput);
    notice = atATerminal && StateFolder(system).empty() ? kNoStateFolder : kGamesOnlyAtATerminal;
  } else if (chosen.resume) {
    replay = chosen.resumeFrom.empty() ? keep->TakeUp(notice)
                                       : keep->TakeUp(NamedFile(system, chosen.resumeFrom), notice);
  } else if (keep != nullptr && !keep->LastGame().empty()) {
    notice = kLastGameKept + TypeableName(system, keep->LastGame()) + kTakesItUp;
  }
  if (!notice.empty()) {
    played.Note(notice);
  }
  if (chosen.resume && keep != nullptr && (notice.empty() || !replay.empty())) {
    played.Continue(std::move(replay));
  }
}

}  // namespace

// The comforts are each for where the stream concerned is a terminal: lines typed at it are
// edited, with history and completion, and kept as progress and in a transcript, and the game's
// hints are shown; lines written to it are wrapped at word boundaries to its width, which follows
// a resize. Piped play has none of them.
int Play(const options& chosen, platform& system, file_system& disk, std::ostream& out) {
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
  if (edit && !chosen.transcriptFile.empty()) {
    record.emplace(disk, NamedFile(system, chosen.transcriptFile));
  } else if (!state.empty()) {
    record.emplace(disk, state / "transcripts", system.Now());
  }
  session played(out, {.typed = edit,
                       .shown = edit ? hints::kTerminal : hints::kNone,
                       .keep = keep ? &*keep : nullptr,
                       .record = record ? &*record : nullptr,
                       .quitKept = kQuitGameKept,
                       .width = wrap ? std::function<int()>([&system] { return LineWidth(system); })
                                     : nullptr});
  Begin(chosen, system, keep ? &*keep : nullptr, played);
  if (!chosen.transcriptFile.empty() && !record) {
    played.Note(kTranscriptsOnlyAtATerminal);
  }
  const bool dataHere = data.Of(data_file::kRooms).Read() && data.Of(data_file::kPeople).Read() &&
                        data.Of(data_file::kObjects).Read();
  played.Start(data, std::cerr);
  if (played.EndedAsCaughtUp()) {
    keep->Forget();  // only a game taken up is caught up with before the player types
    played.BeginAnew(kReplayEnds);
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
