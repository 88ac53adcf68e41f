// The studio's engine, run in the page's Web Worker (studio_worker.js): the checker and the game,
// on the author's data files, which the page hands over as text and the worker keeps in a folder
// of emscripten's in-memory file system. The checker and the game then read them exactly as
// they read a data folder on disk. Nothing here waits for anyone: each call runs to its end.

#include <emscripten.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tools/studio/json_text.h"
#include "tools/studio/piped_play.h"
#include "tools/studio/proof.h"
#include "world/data_files.h"

namespace {

constexpr const char* kFolder = "/story";
// As quillmore-check's default: the search stops, unfinished, after this many states.
constexpr std::size_t kMaxStates = 1'000'000;

// What the last call returned, kept until the next one for the page to read.
std::string answer;
// The last proof, whose verdict is said first and the rest after it.
std::optional<quillmore::proof> proven;

std::string PathOf(const std::string& name) {
  return std::string(kFolder) + "/" + name;
}

bool IsDataFile(const std::string& name) {
  for (const quillmore::data_file file : quillmore::kDataFiles) {
    if (name == quillmore::FileName(file)) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" {

// Forgets every data file: one the page does not hand over again is missing, as from a folder.
EMSCRIPTEN_KEEPALIVE void studio_forget_files() {
  mkdir(kFolder, 0700);
  for (const quillmore::data_file file : quillmore::kDataFiles) {
    std::remove(PathOf(quillmore::FileName(file)).c_str());
  }
}

// Keeps one data file; names that are no data file of the game are ignored.
EMSCRIPTEN_KEEPALIVE void studio_put_file(const char* name, const char* text) {
  if (IsDataFile(name)) {
    std::ofstream(PathOf(name), std::ios::binary) << text;
  }
}

// The checker's verdict on the files kept (proof.h).
EMSCRIPTEN_KEEPALIVE const char* studio_prove() {
  proven = quillmore::Prove(kFolder, kMaxStates);
  answer = quillmore::VerdictJson(*proven);
  return answer.c_str();
}

// The rest of what the checker says on the files of the last studio_prove (proof.h).
EMSCRIPTEN_KEEPALIVE const char* studio_rest() {
  answer = proven ? quillmore::RestJson(*proven) : "{}";
  return answer.c_str();
}

// A play on the files kept, the lines typed each ending in a line feed:
// {"status": N, "said": [...]} as piped_play.h cuts it.
EMSCRIPTEN_KEEPALIVE const char* studio_play(const char* typed) {
  const quillmore::piped_play played = quillmore::PlayPiped(kFolder, SplitLines(typed));
  quillmore::json_text json;
  json.Open().Key("status").Number(played.status).Key("said").OpenList();
  for (const std::string& piece : played.said) {
    json.String(piece);
  }
  answer = json.CloseList().Close().Text();
  return answer.c_str();
}
}
