#include "terminal/line_editor.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <utility>
#include <vector>

#include "terminal/libedit.h"

namespace quillmore {

namespace {

constexpr int kHistorySize = 1000;

// What Ctrl-R's search shows in front of the line it found.
constexpr const char* kSearchStarts = "search (type part of an earlier line): ";
constexpr const char* kSearchFound = "search \"{}\": ";
constexpr const char* kSearchMissed = "search \"{}\", none found: ";

constexpr char kControlG = 0x07;
constexpr char kControlH = 0x08;
constexpr char kControlR = 0x12;
constexpr char kDelete = 0x7f;

// Keys bound beyond libedit's Emacs defaults, so that they do what readline users expect.
constexpr const char* kBindings[][2] = {
    {"^W", "ed-delete-prev-word"}, {"^U", "vi-kill-line-prev"},       {"\\e[H", "ed-move-to-beg"},
    {"\\e[F", "ed-move-to-end"},   {"\\eOH", "ed-move-to-beg"},       {"\\eOF", "ed-move-to-end"},
    {"\\e[1~", "ed-move-to-beg"},  {"\\e[4~", "ed-move-to-end"},      {"\\e[7~", "ed-move-to-beg"},
    {"\\e[8~", "ed-move-to-end"},  {"\\e[3~", "ed-delete-next-char"}, {"^I", "quillmore-complete"},
    {"^R", "quillmore-search"},
};

// Only a line editor's maker (Play) loads the library, and makes none when it cannot.
const libedit& Edit() {
  return *libedit::Load();
}

// The terminal's descriptor while a line editor lives, for the interrupt's row end.
int editedTerminal = -1;
struct sigaction interruptBefore {};
// What the interrupt says after the row end, written as it stands: a handler may not allocate.
std::array<char, 512> interruptLine{};
volatile std::sig_atomic_t interruptLength = 0;

// The characters libedit counts in `text`, which are bytes only in a locale of one byte each.
int Characters(const std::string& text) {
  const std::size_t count = std::mbstowcs(nullptr, text.c_str(), 0);
  return static_cast<int>(count == static_cast<std::size_t>(-1) ? text.size() : count);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& letter : lower) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  }
  return lower;
}

}  // namespace

line_editor::line_editor(std::FILE* in, std::FILE* out, std::filesystem::path historyFile,
                         completer complete)
    : editor(Edit().el_init("quillmore", in, out, out)),
      past(Edit().history_init()),
      out(out),
      historyFile(std::move(historyFile)),
      complete(std::move(complete)) {
  HistEvent event;
  Edit().history(past, &event, H_SETSIZE, kHistorySize);
  Edit().history(past, &event, H_SETUNIQUE, 1);
  if (!this->historyFile.empty()) {
    Edit().history(past, &event, H_LOAD, this->historyFile.c_str());
  }
  Edit().el_set(editor, EL_CLIENTDATA, this);
  Edit().el_set(editor, EL_EDITOR, "emacs");
  Edit().el_set(editor, EL_SIGNAL, 1);
  Edit().el_set(editor, EL_PROMPT, &line_editor::Prompt);
  using history_function = int (*)(History*, HistEvent*, int, ...);
  Edit().el_set(editor, EL_HIST, static_cast<history_function>(Edit().history), past);
  Edit().el_set(editor, EL_ADDFN, "quillmore-complete", "complete a command or name",
                &line_editor::CompleteKey);
  Edit().el_set(editor, EL_ADDFN, "quillmore-search",
                "search back through the history as one types", &line_editor::SearchKey);
  for (const auto& binding : kBindings) {
    Edit().el_set(editor, EL_BIND, binding[0], binding[1], nullptr);
  }
  Edit().el_source(editor, nullptr);  // the player's own ~/.editrc, if any

  editedTerminal = fileno(out);
  struct sigaction interrupt {};
  interrupt.sa_handler = &line_editor::EndRowAndRaise;
  sigemptyset(&interrupt.sa_mask);
  sigaction(SIGINT, &interrupt, &interruptBefore);
}

line_editor::~line_editor() {
  sigaction(SIGINT, &interruptBefore, nullptr);
  editedTerminal = -1;
  Edit().el_end(editor);
  Edit().history_end(past);
}

// Ctrl-C: libedit's own handler has put the terminal back as it found it and passed the
// interrupt on to this one.
void line_editor::EndRowAndRaise(int signal) {
  if (editedTerminal >= 0) {
    const ssize_t ignored = write(editedTerminal, "\n", 1);
    static_cast<void>(ignored);
    const ssize_t said =
        write(editedTerminal, interruptLine.data(), static_cast<std::size_t>(interruptLength));
    static_cast<void>(said);
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void line_editor::SayOnInterrupt(std::string_view line) {
  interruptLength = 0;  // the handler never sees a line half written
  const std::size_t length = std::min(line.size() + 1, interruptLine.size());
  std::copy_n(line.data(), length - 1, interruptLine.data());
  interruptLine[length - 1] = '\n';
  interruptLength = line.empty() ? 0 : static_cast<std::sig_atomic_t>(length);
}

bool line_editor::ReadLine(std::string_view shown, std::string& line, bool remember) {
  prompt = shown;
  int count = 0;
  const char* read = Edit().el_gets(editor, &count);
  if (read == nullptr || count <= 0) {
    std::fputc('\n', out);  // the shell's prompt then starts on a line of its own
    return false;
  }
  line.assign(read, static_cast<std::size_t>(count));
  if (remember) {
    Remember(line);
  }
  return true;
}

void line_editor::Remember(std::string_view line) {
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())) != 0) {
    line.remove_suffix(1);
  }
  if (line.find_first_not_of(' ') == std::string_view::npos) {
    return;
  }
  HistEvent event;
  Edit().history(past, &event, H_ENTER, std::string(line).c_str());
  if (!historyFile.empty()) {
    Edit().history(past, &event, H_SAVE, historyFile.c_str());
  }
}

char* line_editor::Prompt(editline* editor) {
  void* self = nullptr;
  Edit().el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<line_editor*>(self)->prompt.data();
}

unsigned char line_editor::CompleteKey(editline* editor, int /*key*/) {
  void* self = nullptr;
  Edit().el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<line_editor*>(self)->Complete();
}

unsigned char line_editor::SearchKey(editline* editor, int /*key*/) {
  void* self = nullptr;
  Edit().el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<line_editor*>(self)->Search();
}

// One candidate takes the place of what was typed, with a blank after it unless one follows
// already; several are listed below the line, after whatever they share at their start has been
// filled in.
unsigned char line_editor::Complete() {
  const LineInfo* typed = Edit().el_line(editor);
  const std::string before(typed->buffer, typed->cursor);
  const bool blankFollows = typed->cursor < typed->lastchar && *typed->cursor == ' ';
  const completion found = complete(before);
  std::string filled;
  if (FillInWord(found, before, filled)) {
    if (blankFollows && filled.ends_with(' ')) {
      filled.pop_back();
    }
    Edit().el_deletestr(editor, Characters(before.substr(found.start)));
    Edit().el_insertstr(editor, filled.c_str());
    return CC_REFRESH;
  }
  if (found.candidates.empty() || found.start > before.size()) {
    return CC_ERROR;
  }
  std::fputc('\n', out);
  for (const std::string& candidate : found.candidates) {
    std::fprintf(out, "%s  ", candidate.c_str());
  }
  std::fputc('\n', out);
  return CC_REDISPLAY;
}

// Ctrl-R: searches back through the history, newest first, for a line that holds what is typed,
// in any case, and shows it after a prompt that says so. Ctrl-R again finds the one before,
// Backspace takes a letter back, Ctrl-G puts back the line as it was; any other key, Enter
// included, keeps the line found and then does what it does.
unsigned char line_editor::Search() {
  const LineInfo* typed = Edit().el_line(editor);
  const std::string before(typed->buffer, typed->lastchar);
  std::vector<std::string> lines;
  HistEvent event;
  for (int more = Edit().history(past, &event, H_FIRST); more == 0;
       more = Edit().history(past, &event, H_NEXT)) {
    lines.emplace_back(event.str);
  }
  std::string sought;
  std::string line = before;
  std::size_t at = 0;  // the line found, or where the search goes on from
  bool found = true;
  const auto find = [&](std::size_t from) {
    const std::string lower = Lower(sought);
    for (std::size_t i = from; i < lines.size(); ++i) {
      if (Lower(lines[i]).find(lower) != std::string::npos) {
        at = i;
        line = lines[i];
        return true;
      }
    }
    return false;
  };
  for (;;) {
    ShowSearch(sought, found, line);
    char key = 0;
    if (Edit().el_getc(editor, &key) != 1 || key == kControlG) {
      Replace(before);
      return CC_REDISPLAY;
    }
    if (key == kControlR) {
      found = !sought.empty() && find(at + 1);
    } else if (key == kDelete || key == kControlH) {
      if (!sought.empty()) {
        sought.pop_back();
        found = sought.empty() || find(0);
      }
    } else if (static_cast<unsigned char>(key) >= ' ') {
      sought.push_back(key);
      found = find(at);
    } else {
      Replace(line);
      const char pushed[] = {key, '\0'};
      Edit().el_push(editor, pushed);
      return CC_REDISPLAY;
    }
  }
}

// Draws the search's prompt and the line found in place of the row being edited; returning
// CC_REDISPLAY afterwards draws the row anew with the usual prompt.
void line_editor::ShowSearch(std::string_view sought, bool found, std::string_view line) {
  std::string shown = sought.empty() ? kSearchStarts : found ? kSearchFound : kSearchMissed;
  const std::size_t at = shown.find("{}");
  if (at != std::string::npos) {
    shown.replace(at, 2, sought);
  }
  std::fprintf(out, "\r\033[K%s%.*s", shown.c_str(), static_cast<int>(line.size()), line.data());
  std::fflush(out);
}

// Puts `line` in place of the line being edited, the cursor at its end.
void line_editor::Replace(std::string_view line) {
  const LineInfo* now = Edit().el_line(editor);
  Edit().el_cursor(editor, static_cast<int>(now->lastchar - now->cursor));
  Edit().el_deletestr(editor, static_cast<int>(now->lastchar - now->buffer));
  Edit().el_insertstr(editor, std::string(line).c_str());
}

}  // namespace quillmore
