#include "tools/studio/piped_play.h"

#include <sstream>
#include <utility>

#include "console/console.h"
#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"

namespace quillmore {

namespace {

// Watches a game played out on plain streams and cuts what it shows by the typed line it answers:
// the last line the game has been given when it writes. A line is given only once the game waits
// for more than it has, so "get" alone reads its line end and asks "Get what?" before the next
// line is given, and the question answers "get". It asks for no wrapping and no hints, as plain
// streams do, so the game writes exactly what it writes when piped.
class line_cutter : public front_end {
 public:
  line_cutter(std::istringstream& typed, const std::vector<std::string>& lines) : typed(typed) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
      starts.push_back(at);
      at += line.size() + 1;
    }
  }

  // What was said, one piece for the start and one for each line read.
  std::vector<std::string> Said() {
    said.resize(LinesRead() + 1);
    return std::move(said);
  }

  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {}
  void GameOver(ending /*how*/) override {}
  int LineWidth() override { return 0; }
  void Shown(std::string_view text) override {
    const std::size_t read = LinesRead();
    if (said.size() < read + 1) {
      said.resize(read + 1);
    }
    said[read].append(text);
  }

 private:
  // The lines given to the game so far.
  std::size_t LinesRead() const {
    const auto at = typed.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    const std::size_t position = at < 0 ? typed.str().size() : static_cast<std::size_t>(at);
    std::size_t read = 0;
    while (read < starts.size() && starts[read] < position) {
      ++read;
    }
    return read;
  }

  std::istringstream& typed;
  std::vector<std::size_t> starts;  // where each typed line starts in the input
  std::vector<std::string> said = {""};
};

}  // namespace

piped_play PlayPiped(const std::string& folder, const std::vector<std::string>& lines) {
  std::string input;
  for (const std::string& line : lines) {
    input += line + "\n";
  }
  std::istringstream typed(input);
  std::ostringstream written;
  line_cutter cutter(typed, lines);
  console io(typed, written, &cutter);
  read_only_file_system disk;
  std::ostringstream errors;
  piped_play played;
  played.status = PlayGame(io, ReadDataFiles(disk, folder), errors);
  played.said = cutter.Said();
  // A map or story that does not fit is said on standard error, and nothing is played.
  played.said.front().insert(0, errors.str());
  return played;
}

}  // namespace quillmore
