#include "terminal/play.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "console/console.h"
#include "game/data_files.h"
#include "game/game.h"
#include "terminal/file_names.h"
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

// What the game begins with: the game taken up, or a new one, said in one line when it is not
// what the player may expect. Returns whether there is typing to replay.
bool Begin(const options& chosen, platform& system, progress* keep, console& io,
           std::string& replay) {
  std::string notice;
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
    io.Line(notice);
  }
  // A game another terminal holds is played on in a copy, after a line that says so.
  return chosen.resume && keep != nullptr && (notice.empty() || !replay.empty());
}

}  // namespace

int Play(const options& chosen, platform& system, file_system& disk, std::istream& in,
         std::ostream& out) {
  terminal::comforts comforts;
  comforts.system = &system;
  const bool inputIsTerminal = system.IsTerminal(kStandardInput);
  comforts.editorOutput = EditorOutput(system);
  comforts.edit = !chosen.plain && inputIsTerminal && comforts.editorOutput != nullptr;
  comforts.wrap = !chosen.plain && system.IsTerminal(kStandardOutput);
  const fs::path state = StateFolder(system);
  std::optional<progress> keep;
  std::optional<transcript> record;
  if (comforts.edit && !state.empty()) {
    keep.emplace(disk, state, system.WorkingFolder(), DataFilesKey());
    comforts.keep = &*keep;
    comforts.historyFile = state / "history";
    disk.MakeFolder(state);        // for the history; progress says so when it cannot keep a game
    std::setlocale(LC_CTYPE, "");  // so that the editor knows the terminal's characters
  }
  if (comforts.edit && !chosen.transcriptFile.empty()) {
    record.emplace(disk, NamedFile(system, chosen.transcriptFile));
  } else if (comforts.edit && !state.empty()) {
    record.emplace(disk, state / "transcripts", system.Now());
  }
  comforts.record = record ? &*record : nullptr;
  terminal player(comforts);
  const bool needsPlayer = inputIsTerminal || comforts.wrap;

  // Each undo plays the game again, from the typing kept, to where the player then stands.
  std::string replay;
  bool replaying = false;
  std::string ended;  // why the game taken up was not
  bool dataHere = false;
  int status = kExitPlayed;
  for (bool first = true;; first = false) {
    std::ifstream rooms = OpenDataFile(FileName(data_file::kRooms));
    std::ifstream objects = OpenDataFile(FileName(data_file::kObjects));
    std::ifstream people = OpenDataFile(FileName(data_file::kPeople));
    dataHere = rooms && objects && people;
    console io(player.Input(in), out, needsPlayer ? &player : nullptr);
    if (first) {
      replaying = Begin(chosen, system, keep ? &*keep : nullptr, io, replay);
      if (!chosen.transcriptFile.empty() && !record) {
        io.Line(kTranscriptsOnlyAtATerminal);
      }
    }
    if (!ended.empty()) {
      io.Line(std::exchange(ended, std::string()));
    }
    if (replaying) {
      io.Replay(std::move(replay));
    }
    status = PlayGame(io, rooms, objects, people);
    if (player.TakeEndedReplay()) {
      keep->Forget();  // only a game taken up is replayed before the player types
      ended = kReplayEnds;
      replay.clear();
      replaying = false;
      continue;
    }
    replaying = player.TakeUndo(replay);
    if (!replaying) {
      player.KeepTranscript();
      break;
    }
  }
  if (!dataHere && !chosen.plain && system.IsTerminal(kStandardError)) {
    std::cerr << kStartInTheDataFolder;
  }
  return status;
}

}  // namespace quillmore
