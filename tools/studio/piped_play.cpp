#include "tools/studio/piped_play.h"

#include <sstream>
#include <utility>

#include "console/console.h"
#include "game/data_files.h"
#include "game/game.h"
#include "world/data_files.h"

namespace quillmore {

namespace {

// Watches a game on plain streams and cuts what it shows where it comes to each typed line. It
// asks for no wrapping, no hints and a key wait that reads one byte, as plain streams do, so
// the game writes exactly what it writes when piped.
class line_cutter : public front_end {
 public:
  line_cutter(std::istringstream& typed, const std::vector<std::string>& lines) : typed(typed) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
      starts.push_back(at);
      at += line.size() + 1;
    }
  }

  std::vector<std::string> Said() { return std::move(said); }

  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {
    while (next < starts.size() && OnlyBlanksBefore(starts[next])) {
      said.emplace_back();
      ++next;
    }
  }
  bool ReadKey(std::istream& in) override { return in.get() != std::istream::traits_type::eof(); }
  void GameOver(ending /*how*/) override {}
  int LineWidth() override { return 0; }
  void Shown(std::string_view text) override { said.back().append(text); }

 private:
  // Whether all the game has still to read before `start` is blank: it is about to read the
  // line that starts there, or a blank one before it, which writes nothing.
  bool OnlyBlanksBefore(std::size_t start) const {
    const std::string& text = typed.str();
    std::size_t at = Position();
    while (at < start && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n')) {
      ++at;
    }
    return at >= start;
  }
  std::size_t Position() const {
    const auto at = typed.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    return at < 0 ? typed.str().size() : static_cast<std::size_t>(at);
  }

  std::istringstream& typed;
  std::vector<std::size_t> starts;  // where each typed line starts in the input
  std::size_t next = 0;             // the first line the game has not yet come to
  std::vector<std::string> said = {""};
};

std::string PathOf(const std::string& folder, data_file file) {
  return folder + "/" + FileName(file);
}

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
  std::ifstream rooms = OpenDataFile(PathOf(folder, data_file::kRooms).c_str());
  std::ifstream objects = OpenDataFile(PathOf(folder, data_file::kObjects).c_str());
  std::ifstream people = OpenDataFile(PathOf(folder, data_file::kPeople).c_str());
  piped_play played;
  played.status = PlayGame(io, rooms, objects, people);
  played.said = cutter.Said();
  return played;
}

}  // namespace quillmore
