#include "terminal/play.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "console/console.h"
#include "game/data_files.h"
#include "game/game.h"
#include "terminal/progress.h"
#include "terminal/terminal.h"
#include "world/data_files.h"

namespace quillmore {

namespace {

// Said on standard error, after the game's own line, when it starts where its data files are not;
// short enough for one row of a terminal 80 columns wide.
constexpr const char* kStartInTheDataFolder =
    "Start the game where rooms.txt, people.txt and objects.txt are, or install it.\n";

// Prompts and echo go to the terminal the player types at: standard output, or, when that is
// redirected, standard error. None when neither is a terminal.
std::FILE* EditorOutput(platform& system) {
  if (system.IsTerminal(kStandardOutput)) {
    return stdout;
  }
  return system.IsTerminal(kStandardError) ? stderr : nullptr;
}

}  // namespace

int Play(const options& chosen, platform& system, file_system& disk, std::istream& in,
         std::ostream& out) {
  std::ifstream rooms = OpenDataFile(FileName(data_file::kRooms));
  std::ifstream objects = OpenDataFile(FileName(data_file::kObjects));
  std::ifstream people = OpenDataFile(FileName(data_file::kPeople));

  terminal::comforts comforts;
  comforts.system = &system;
  const bool inputIsTerminal = system.IsTerminal(kStandardInput);
  comforts.editorOutput = EditorOutput(system);
  comforts.edit = !chosen.plain && inputIsTerminal && comforts.editorOutput != nullptr;
  comforts.wrap = !chosen.plain && system.IsTerminal(kStandardOutput);
  const std::filesystem::path state = progress::StateFolder();
  std::optional<progress> keep;
  if (comforts.edit && !state.empty()) {
    std::error_code error;
    keep.emplace(disk, state, std::filesystem::current_path(error), DataFilesText());
    comforts.keep = &*keep;
    comforts.historyFile = state / "history";
    std::filesystem::create_directories(state, error);
    std::filesystem::permissions(state, std::filesystem::perms::owner_all, error);
    std::setlocale(LC_CTYPE, "");  // so that the editor knows the terminal's characters
  }
  terminal player(comforts);
  const bool needsPlayer = inputIsTerminal || comforts.wrap;
  console io(player.Input(in), out, needsPlayer ? &player : nullptr);

  if (chosen.resume && !keep) {
    io.Line("Games are only kept at a terminal, so a new one begins.");
  } else if (chosen.resume) {
    std::string notice;
    std::string typed = keep->TakeUp(notice);
    if (notice.empty()) {
      io.Replay(std::move(typed));
    } else {
      io.Line(notice);
    }
  }
  const bool dataHere = rooms && objects && people;
  const int status = PlayGame(io, rooms, objects, people);
  if (!dataHere && !chosen.plain && system.IsTerminal(kStandardError)) {
    std::cerr << kStartInTheDataFolder;
  }
  return status;
}

}  // namespace quillmore
