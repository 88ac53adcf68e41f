#include "console/console.h"

#include <limits>
#include <utility>

#include "console/word_wrap.h"

namespace quillmore {

// Serves the input of an earlier run a line at a time, telling the console each line as it
// starts, then the console's own input. Tells the console, once, when the earlier input is used
// up; from then on every read passes straight through.
class replay_buffer : public std::streambuf {
 public:
  replay_buffer(std::string typed, std::streambuf* live, console& owner)
      : typed(std::move(typed)), live(live), owner(owner) {}

 protected:
  int_type underflow() override {
    if (NextLine()) {
      return traits_type::to_int_type(*gptr());
    }
    CaughtUp();
    return live->sgetc();
  }
  int_type uflow() override {
    if (NextLine()) {
      const char first = *gptr();
      gbump(1);
      return traits_type::to_int_type(first);
    }
    CaughtUp();
    return live->sbumpc();
  }

 private:
  // Makes the next line of the earlier input the one read; false when there is none.
  bool NextLine() {
    if (next == typed.size()) {
      return false;
    }
    const std::size_t end = typed.find('\n', next);
    const std::size_t after = end == std::string::npos ? typed.size() : end + 1;
    char* start = typed.data();
    setg(start + next, start + next, start + after);
    owner.Replayed(std::string_view(typed).substr(next, after - next));
    next = after;
    return true;
  }
  void CaughtUp() {
    if (!caughtUp) {
      caughtUp = true;
      owner.CaughtUp();
    }
  }

  std::string typed;
  std::size_t next = 0;  // where the line after the one being read starts
  std::streambuf* live;
  console& owner;
  bool caughtUp = false;
};

console::console(std::istream& in, std::ostream& out, front_end* player)
    : in(&in), out(out), player(player), wraps(player != nullptr && player->LineWidth() > 0) {
  if (player != nullptr) {
    player->Attach(*this);
  }
}

console::~console() = default;

bool console::ReadWord(std::string& word) {
  Waiting(wanted::kCommand);
  return static_cast<bool>(*in >> word);
}

bool console::ReadLine(std::string& line, wanted what, std::string_view asked) {
  Waiting(what, asked);
  return static_cast<bool>(std::getline(*in, line));
}

bool console::ReadCharacter(char& character, wanted what, std::string_view asked) {
  Waiting(what, asked);
  return static_cast<bool>(in->get(character));
}

bool console::DiscardLine() {
  in->ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return in->gcount() > 0;
}

bool console::ReadAnswer(char& character, std::string_view asked) {
  Waiting(wanted::kAnswer, asked);
  return static_cast<bool>(*in >> character);
}

bool console::ReadKey() {
  Waiting(wanted::kKey);
  if (player != nullptr) {
    return player->ReadKey(*in);
  }
  return in->get() != std::istream::traits_type::eof();
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
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
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
  out.put('\n');
  out.flush();
}

void console::Flush() {
  Emit(false);
  out.flush();
}

// Writes the line so far, wrapped at the terminal's width as it is now.
void console::Emit(bool lineEnds) {
  if (!wraps) {
    return;
  }
  out << Wrap(pending, player->LineWidth(), column);
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
  replay = std::make_unique<replay_buffer>(std::move(typed), in->rdbuf(), *this);
  replayed = std::make_unique<std::istream>(replay.get());
  in = replayed.get();
  muted = true;
}

void console::EndInput() {
  in->setstate(std::ios::eofbit | std::ios::failbit);
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

void console::Replayed(std::string_view line) {
  if (player != nullptr) {
    player->Replayed(line, waitingFor);
  }
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
