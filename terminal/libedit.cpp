#include "terminal/libedit.h"

#include <dlfcn.h>

namespace quillmore {

namespace {

// Debian's libedit2.
constexpr const char* kLibrary = "libedit.so.2";

template <typename Call>
bool Find(void* library, const char* name, Call& call) {
  call = reinterpret_cast<Call>(dlsym(library, name));
  return call != nullptr;
}

bool Open(libedit& calls) {
  void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr && Find(library, "el_init", calls.el_init) &&
         Find(library, "el_end", calls.el_end) && Find(library, "el_set", calls.el_set) &&
         Find(library, "el_get", calls.el_get) && Find(library, "el_gets", calls.el_gets) &&
         Find(library, "el_getc", calls.el_getc) && Find(library, "el_push", calls.el_push) &&
         Find(library, "el_line", calls.el_line) && Find(library, "el_cursor", calls.el_cursor) &&
         Find(library, "el_insertstr", calls.el_insertstr) &&
         Find(library, "el_deletestr", calls.el_deletestr) &&
         Find(library, "el_source", calls.el_source) &&
         Find(library, "history_init", calls.history_init) &&
         Find(library, "history_end", calls.history_end) && Find(library, "history", calls.history);
}

}  // namespace

// Loaded once, and kept for the rest of the run.
const libedit* libedit::Load() {
  static libedit calls{};
  static const bool loaded = Open(calls);
  return loaded ? &calls : nullptr;
}

}  // namespace quillmore
