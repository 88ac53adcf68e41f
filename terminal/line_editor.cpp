#include "terminal/line_editor.h"

#include <histedit.h>

#include <cctype>
#include <utility>

namespace quillmore {

namespace {

constexpr int kHistorySize = 1000;

// Keys bound beyond libedit's Emacs defaults, so that they do what readline users expect.
constexpr const char* kBindings[][2] = {
    {"^R", "em-inc-search-prev"}, {"^W", "ed-delete-prev-word"}, {"^U", "vi-kill-line-prev"},
    {"\\e[H", "ed-move-to-beg"},  {"\\e[F", "ed-move-to-end"},   {"\\eOH", "ed-move-to-beg"},
    {"\\eOF", "ed-move-to-end"},  {"\\e[1~", "ed-move-to-beg"},  {"\\e[4~", "ed-move-to-end"},
    {"\\e[7~", "ed-move-to-beg"}, {"\\e[8~", "ed-move-to-end"},  {"\\e[3~", "ed-delete-next-char"},
    {"^I", "quillmore-complete"},
};

}  // namespace

line_editor::line_editor(std::FILE* in, std::FILE* out, std::filesystem::path historyFile,
                         completer complete)
    : editor(el_init("quillmore", in, out, out)),
      past(history_init()),
      out(out),
      historyFile(std::move(historyFile)),
      complete(std::move(complete)) {
  HistEvent event;
  history(past, &event, H_SETSIZE, kHistorySize);
  history(past, &event, H_SETUNIQUE, 1);
  if (!this->historyFile.empty()) {
    history(past, &event, H_LOAD, this->historyFile.c_str());
  }
  el_set(editor, EL_CLIENTDATA, this);
  el_set(editor, EL_EDITOR, "emacs");
  el_set(editor, EL_SIGNAL, 1);
  el_set(editor, EL_PROMPT, &line_editor::Prompt);
  using history_function = int (*)(History*, HistEvent*, int, ...);
  el_set(editor, EL_HIST, static_cast<history_function>(&::history), past);
  el_set(editor, EL_ADDFN, "quillmore-complete", "complete a command or name",
         &line_editor::CompleteKey);
  for (const auto& binding : kBindings) {
    el_set(editor, EL_BIND, binding[0], binding[1], nullptr);
  }
  el_source(editor, nullptr);  // the player's own ~/.editrc, if any
}

line_editor::~line_editor() {
  el_end(editor);
  history_end(past);
}

bool line_editor::ReadLine(const char* shown, std::string& line) {
  prompt = shown;
  int count = 0;
  const char* read = el_gets(editor, &count);
  if (read == nullptr || count <= 0) {
    std::fputc('\n', out);  // the shell's prompt then starts on a line of its own
    return false;
  }
  line.assign(read, static_cast<std::size_t>(count));
  Remember(line);
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
  history(past, &event, H_ENTER, std::string(line).c_str());
  if (!historyFile.empty()) {
    history(past, &event, H_SAVE, historyFile.c_str());
  }
}

char* line_editor::Prompt(editline* editor) {
  void* self = nullptr;
  el_get(editor, EL_CLIENTDATA, &self);
  return const_cast<char*>(static_cast<line_editor*>(self)->prompt);
}

unsigned char line_editor::CompleteKey(editline* editor, int /*key*/) {
  void* self = nullptr;
  el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<line_editor*>(self)->Complete();
}

// One candidate takes the place of what was typed; several are listed below the line, after
// whatever they share at their start has been filled in.
unsigned char line_editor::Complete() {
  const LineInfo* typed = el_line(editor);
  const std::string before(typed->buffer, typed->cursor);
  const completion found = complete(before);
  std::string filled;
  if (FillIn(found, before, filled)) {
    el_deletestr(editor, static_cast<int>(before.size() - found.start));
    el_insertstr(editor, filled.c_str());
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

}  // namespace quillmore
