#include "fuzz/game_harness.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "console/console.h"
#include "game/data_files.h"
#include "game/game.h"

namespace {

// A file that is not present reads as one that cannot be opened; the map and story are the
// built-in ones.
quillmore::data_text Given(const data_text& file) {
  return {file.present ? quillmore::file_fault::kNone : quillmore::file_fault::kUnreadable,
          file.text};
}

}  // namespace

game_run PlayWithStreams(const std::string& input, const data_text& rooms, const data_text& people,
                         const data_text& objects, const std::string* earlier) {
  std::istringstream typed(input);
  std::ostringstream written;
  quillmore::console io(typed, written);
  if (earlier != nullptr) {
    io.Replay(*earlier);
  }
  const quillmore::file_fault missing = quillmore::file_fault::kMissing;
  const quillmore::data_texts data{
      {Given(rooms), Given(people), Given(objects), {missing, ""}, {missing, ""}}};
  std::ostringstream errors;
  game_run run;
  run.status = quillmore::PlayGame(io, data, errors);
  run.output = written.str();
  run.inputRead =
      static_cast<std::size_t>(typed.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
  return run;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::abort();
  }
  return text.str();
}

void Require(bool holds, const char* invariant, const game_run& run) {
  if (holds) {
    return;
  }
  std::fprintf(stderr, "Broken invariant: %s\nExit status %d, %zu bytes of input read\n", invariant,
               run.status, run.inputRead);
  const std::size_t shown = 4000;
  const std::size_t from = run.output.size() > shown ? run.output.size() - shown : 0;
  std::fprintf(stderr, "Last %zu bytes of output:\n", run.output.size() - from);
  std::fwrite(run.output.data() + from, 1, run.output.size() - from, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

bool BytesComeFrom(const std::string& output, std::initializer_list<const std::string*> sources) {
  std::array<bool, 256> allowed{};
  allowed['\n'] = true;
  for (int byte = 0x20; byte < 0x7f; ++byte) {
    allowed[byte] = true;
  }
  for (const std::string* source : sources) {
    for (const char byte : *source) {
      allowed[static_cast<unsigned char>(byte)] = true;
    }
  }
  for (const char byte : output) {
    if (!allowed[static_cast<unsigned char>(byte)]) {
      return false;
    }
  }
  return true;
}
