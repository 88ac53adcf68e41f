#include "shell/console.h"

#include <limits>

namespace quillmore {

bool console::ReadWord(std::string& word) {
  Waiting(wanted::kCommand);
  return static_cast<bool>(in >> word);
}

bool console::ReadLine(std::string& line, wanted what) {
  Waiting(what);
  return static_cast<bool>(std::getline(in, line));
}

bool console::ReadCharacter(char& character, wanted what) {
  Waiting(what);
  return static_cast<bool>(in.get(character));
}

bool console::DiscardLine() {
  in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return in.gcount() > 0;
}

bool console::ReadAnswer(char& character) {
  Waiting(wanted::kAnswer);
  return static_cast<bool>(in >> character);
}

bool console::ReadKey() {
  Waiting(wanted::kKey);
  if (player != nullptr) {
    return player->ReadKey(in);
  }
  return in.get() != std::istream::traits_type::eof();
}

bool console::AskWhileEmpty(std::string& text, std::string_view question, wanted what) {
  while (text.empty()) {
    Line(question);
    if (!ReadLine(text, what)) {
      return false;
    }
  }
  return true;
}

void console::Write(std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void console::EndLine() {
  out.put('\n');
  out.flush();
}

void console::Flush() {
  out.flush();
}

void console::GameOver() {
  if (player != nullptr) {
    player->GameOver();
  }
}

void console::Waiting(wanted what) {
  if (player != nullptr) {
    player->Waiting(what);
  }
}

}  // namespace quillmore
