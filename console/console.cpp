#include "console/console.h"

#include <utility>

#include "console/word_wrap.h"

namespace quillmore {

namespace {

// Whitespace as a C++ stream's reads skip it in the classic locale.
bool IsBlank(char character) {
  return character == ' ' || (character >= '\t' && character <= '\r');
}

}  // namespace

console::console(output& out, front_end* player)
    : out(out), player(player), wraps(player != nullptr && player->LineWidth() > 0) {
  if (player != nullptr) {
    player->Attach(*this);
  }
}

console::console(std::ostream& out, front_end* player)
    : ownOutput(std::make_unique<stream_output>(out)),
      out(*ownOutput),
      player(player),
      wraps(player != nullptr && player->LineWidth() > 0) {
  if (player != nullptr) {
    player->Attach(*this);
  }
}

console::console(std::istream& in, std::ostream& out, front_end* player) : console(out, player) {
  this->in = &in;
}

console::~console() = default;

console::read console::ReadWord(std::string& word) {
  Waiting(wanted::kCommand);
  return read(*this, read::kind::kWord, &word, nullptr);
}

console::read console::ReadLine(std::string& line, wanted what, std::string_view asked) {
  Waiting(what, asked);
  return read(*this, read::kind::kLine, &line, nullptr);
}

console::read console::ReadCharacter(char& character, wanted what, std::string_view asked) {
  Waiting(what, asked);
  return read(*this, read::kind::kCharacter, nullptr, &character);
}

console::read console::DiscardLine() {
  return read(*this, read::kind::kDiscard, nullptr, nullptr);
}

console::read console::ReadAnswer(char& character, std::string_view asked) {
  Waiting(wanted::kAnswer, asked);
  return read(*this, read::kind::kAnswer, nullptr, &character);
}

console::read console::ReadKey() {
  Waiting(wanted::kKey);
  return read(*this, read::kind::kCharacter, nullptr, &key);
}

// Takes what the read needs of the input given; false when it needs more than there is yet.
bool console::Take(read& reading) {
  if (!reading.begun) {
    reading.begun = true;
    if (reading.text != nullptr) {
      reading.text->clear();
    }
    if (metTheEnd) {
      return reading.Finish(false);
    }
  }
  using kind = read::kind;
  while (taken < input.size()) {
    const char next = input[taken];
    if (reading.how == kind::kWord && IsBlank(next) && reading.count > 0) {
      return reading.Finish(true);  // the blank after a word stays unread
    }
    ++taken;
    switch (reading.how) {
      case kind::kWord:
      case kind::kAnswer:
        if (IsBlank(next)) {
          continue;
        }
        if (reading.how == kind::kAnswer) {
          *reading.character = next;
          return reading.Finish(true);
        }
        break;
      case kind::kCharacter:
        *reading.character = next;
        return reading.Finish(true);
      case kind::kLine:
      case kind::kDiscard:
        if (next == '\n') {
          return reading.Finish(true);
        }
        if (reading.how == kind::kDiscard) {
          ++reading.count;
          continue;
        }
        break;
    }
    reading.text->push_back(next);
    ++reading.count;
  }
  if (!ended) {
    return false;
  }
  metTheEnd = true;
  return reading.Finish(reading.count > 0);
}

void console::read::await_suspend(co::coroutine_handle<> game) {
  io.suspended = game;
  io.waitsAt = this;
  io.out.Flush();
}

void console::Give(std::string_view typed) {
  if (taken == input.size()) {
    input.clear();
  } else {
    input.erase(0, taken);
  }
  taken = 0;
  input.append(typed);
  Resume();
}

void console::EndInput() {
  ended = true;
  Resume();
}

void console::DropInput() {
  taken = input.size();
}

// Answers the read from the input given, else from what is left of an earlier run's; false when
// the game is to wait for more.
bool console::Answer(read& reading) {
  while (!Take(reading)) {
    if (!NextReplayed()) {
      if (catchingUp) {
        catchingUp = false;
        CaughtUp();
      }
      return false;
    }
  }
  return true;
}

// Goes on with the game for as long as the read it waits at can be answered.
void console::Resume() {
  while (suspended && Answer(*waitsAt)) {
    waitsAt = nullptr;
    game_loop::RunFrom(std::exchange(suspended, {}));
  }
}

void console::PlayOut() {
  std::string line;
  Resume();
  while (suspended) {
    if (std::getline(*in, line)) {
      if (!in->eof()) {
        line.push_back('\n');
      }
      Give(line);
    } else {
      EndInput();
    }
  }
}

// Gives the game the next line of an earlier run's input, telling the front end; false when
// there is none left.
bool console::NextReplayed() {
  if (replayed == replay.size()) {
    return false;
  }
  const std::size_t end = replay.find('\n', replayed);
  const std::size_t after = end == std::string::npos ? replay.size() : end + 1;
  const std::string_view line = std::string_view(replay).substr(replayed, after - replayed);
  replayed = after;
  if (player != nullptr) {
    player->Replayed(line, waitingFor);
  }
  input.append(line);
  return true;
}

void console::Write(std::string_view text) {
  if (muted) {
    sinceCommand.append(text);
    return;
  }
  if (player != nullptr) {
    player->Shown(text);
  }
  if (wraps) {
    pending.append(text);
  } else {
    out.Write(text);
  }
}

void console::EndLine() {
  if (muted) {
    sinceCommand.push_back('\n');
    return;
  }
  if (player != nullptr) {
    player->Shown("\n");
  }
  Emit(true);
  out.Write("\n");
  out.Flush();
}

void console::Flush() {
  Emit(false);
  out.Flush();
}

// Writes the line so far, wrapped at the terminal's width as it is now.
void console::Emit(bool lineEnds) {
  if (!wraps) {
    return;
  }
  out.Write(Wrap(pending, player->LineWidth(), column));
  pending.clear();
  if (lineEnds) {
    column = 0;
  }
}

void console::GameOver(ending how) {
  if (player != nullptr) {
    player->GameOver(how);
  }
}

void console::Replay(std::string typed) {
  replay = std::move(typed);
  replayed = 0;
  catchingUp = true;
  muted = true;
}

void console::OnCaughtUp(std::function<void()> show) {
  showWhereThePlayerStands = std::move(show);
}

void console::OnComplete(completer complete) {
  names = std::move(complete);
}

completion console::Complete(std::string_view line) const {
  return names ? names(waitingFor, line) : completion{};
}

void console::CaughtUp() {
  muted = false;
  if (showWhereThePlayerStands) {
    showWhereThePlayerStands();
  }
  std::string_view asked = sinceCommand;
  if (waitingFor == wanted::kCommand) {
    asked = {};
  }
  for (std::size_t end = asked.find('\n'); end != std::string_view::npos; end = asked.find('\n')) {
    Line(asked.substr(0, end));
    asked.remove_prefix(end + 1);
  }
  Write(asked);
  Flush();
  sinceCommand.clear();
}

void console::Waiting(wanted what, std::string_view asked) {
  waitingFor = what;
  question.assign(asked);
  if (what == wanted::kCommand) {
    sinceCommand.clear();
  }
  if (player != nullptr) {
    player->Waiting(what);
  }
}

}  // namespace quillmore
