#include "terminal/play.h"

#include <clocale>
#include <ctime>
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

std::tm Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Said after the game's goodbye where progress is kept.
constexpr const char* kQuitGameKept =
    "(Your game is kept as it stood before you quit: quillmore -c takes it up.)";

// What the game begins with: the game taken up, or a new one, said in one line when it is not
// what the player may expect.
void Begin(const options& chosen, progress* keep, session& played) {
  std::string notice;
  std::string replay;
  if (chosen.resume && keep == nullptr) {
    notice = kGamesOnlyAtATerminal;
  } else if (chosen.resume) {
    replay = chosen.resumeFrom.empty() ? keep->TakeUp(notice)
                                       : keep->TakeUp(NamedFile(chosen.resumeFrom), notice);
  } else if (keep != nullptr && !keep->LastGame().empty()) {
    notice = kLastGameKept + TypeableName(keep->LastGame()) + kTakesItUp;
  }
  if (!notice.empty()) {
    played.Note(notice);
  } else if (chosen.resume && keep != nullptr) {
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
  const fs::path state = edit ? progress::StateFolder() : fs::path();
  std::optional<progress> keep;
  std::optional<transcript> record;
  if (!state.empty()) {
    std::error_code error;
    keep.emplace(disk, state, fs::current_path(error), DataFilesKey());
    std::filesystem::create_directories(state, error);
    std::filesystem::permissions(state, std::filesystem::perms::owner_all, error);
    std::setlocale(LC_CTYPE, "");  // so that the editor knows the terminal's characters
  }
  if (edit && !chosen.transcriptFile.empty()) {
    record.emplace(disk, NamedFile(chosen.transcriptFile));
  } else if (!state.empty()) {
    record.emplace(disk, state / "transcripts", Now());
  }
  session played(out, {.typed = edit,
                       .shown = edit ? hints::kTerminal : hints::kNone,
                       .keep = keep ? &*keep : nullptr,
                       .record = record ? &*record : nullptr,
                       .quitKept = kQuitGameKept,
                       .width = wrap ? std::function<int()>([&system] { return LineWidth(system); })
                                     : nullptr});
  Begin(chosen, keep ? &*keep : nullptr, played);
  if (!chosen.transcriptFile.empty() && !record) {
    played.Note(kTranscriptsOnlyAtATerminal);
  }
  std::ifstream rooms = OpenDataFile(FileName(data_file::kRooms));
  std::ifstream objects = OpenDataFile(FileName(data_file::kObjects));
  std::ifstream people = OpenDataFile(FileName(data_file::kPeople));
  const bool dataHere = rooms && objects && people;
  played.Start(rooms, people, objects);
  if (edit) {
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
