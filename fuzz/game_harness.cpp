#include "fuzz/game_harness.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "shell/game.h"

namespace {

// Puts a stream's buffer back when it goes, also if the game returns early.
class redirected {
 public:
  redirected(std::ios& stream, std::streambuf* buffer)
      : stream(stream), saved(stream.rdbuf(buffer)) {
    stream.clear();
  }
  ~redirected() {
    stream.rdbuf(saved);
    stream.clear();
  }
  redirected(const redirected&) = delete;
  redirected& operator=(const redirected&) = delete;

 private:
  std::ios& stream;
  std::streambuf* saved;
};

std::istringstream OpenText(const data_file& file) {
  std::istringstream in(file.text);
  if (!file.present) {
    in.setstate(std::ios::failbit);
  }
  return in;
}

}  // namespace

game_run PlayWithStreams(const std::string& input, const data_file& rooms, const data_file& people,
                         const data_file& objects) {
  std::stringbuf in(input, std::ios::in);
  std::stringbuf out(std::ios::out);
  game_run run;
  {
    redirected standardInput(std::cin, &in);
    redirected standardOutput(std::cout, &out);
    std::istringstream roomsIn = OpenText(rooms);
    std::istringstream peopleIn = OpenText(people);
    std::istringstream objectsIn = OpenText(objects);
    run.status = PlayGame(roomsIn, objectsIn, peopleIn);
  }
  run.output = out.str();
  run.inputRead = static_cast<std::size_t>(in.pubseekoff(0, std::ios::cur, std::ios::in));
  return run;
}

void DetachTerminal() {
  const int nothing = open("/dev/null", O_RDONLY);
  if (nothing < 0 || dup2(nothing, STDIN_FILENO) < 0) {
    std::perror("/dev/null");
    std::abort();
  }
  close(nothing);
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
