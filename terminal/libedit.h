#ifndef QUILLMORE_TERMINAL_LIBEDIT_H_
#define QUILLMORE_TERMINAL_LIBEDIT_H_

#include <histedit.h>

namespace quillmore {

// libedit's calls, loaded the first time a player types at a terminal: piped play never loads
// the library, nor the libraries it needs, so that it starts as fast as a program without them.
struct libedit {
  decltype(&::el_init) el_init;
  decltype(&::el_end) el_end;
  decltype(&::el_set) el_set;
  decltype(&::el_get) el_get;
  decltype(&::el_gets) el_gets;
  decltype(&::el_getc) el_getc;
  decltype(&::el_push) el_push;
  decltype(&::el_line) el_line;
  decltype(&::el_cursor) el_cursor;
  decltype(&::el_insertstr) el_insertstr;
  decltype(&::el_deletestr) el_deletestr;
  decltype(&::el_source) el_source;
  decltype(&::history_init) history_init;
  decltype(&::history_end) history_end;
  decltype(&::history) history;

  // The calls, or none when the library cannot be loaded: then nobody edits lines.
  static const libedit* Load();
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_LIBEDIT_H_
