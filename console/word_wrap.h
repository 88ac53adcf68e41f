#ifndef QUILLMORE_CONSOLE_WORD_WRAP_H_
#define QUILLMORE_CONSOLE_WORD_WRAP_H_

#include <string>
#include <string_view>

namespace quillmore {

// Lays text out in rows of a terminal: a row that would run past `width` columns breaks at the
// last blank that fits, which becomes the line end; a word longer than a row breaks where the
// row ends. Blanks at the start of the text are kept, and nothing else changes. A column is a
// character: the bytes of one UTF-8 character take one column together.
//
// `column` is where the text starts on its row, and is left where it ends.
std::string Wrap(std::string_view text, int width, int& column);

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_WORD_WRAP_H_
