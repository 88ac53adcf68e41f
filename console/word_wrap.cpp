#include "console/word_wrap.h"

namespace quillmore {

namespace {

// The bytes after the first of a UTF-8 character take no column of their own.
bool TakesAColumn(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// How many bytes of `text` fill at most `columns` columns, and stop before a character's tail.
std::size_t BytesIn(std::string_view text, int columns) {
  std::size_t bytes = 0;
  int used = 0;
  while (bytes < text.size()) {
    if (TakesAColumn(text[bytes])) {
      if (used == columns) {
        break;
      }
      ++used;
    }
    ++bytes;
  }
  return bytes;
}

// The last blank among the first `fitting` bytes or right after them, with something other than
// blanks before it on its row; npos when there is none.
std::size_t BreakAt(std::string_view text, std::size_t fitting) {
  const std::size_t blank = text.rfind(' ', fitting);
  if (blank == std::string_view::npos || text.find_first_not_of(' ') >= blank) {
    return std::string_view::npos;
  }
  return blank;
}

}  // namespace

std::string Wrap(std::string_view text, int width, int& column) {
  width = width < 1 ? 1 : width;
  std::string rows;
  while (!text.empty()) {
    const std::size_t fitting = BytesIn(text, width - column);
    if (fitting == text.size()) {
      break;
    }
    const std::size_t blank = BreakAt(text, fitting);
    if (blank != std::string_view::npos) {
      rows.append(text.substr(0, blank)).push_back('\n');
      text.remove_prefix(blank + 1);
    } else if (column > 0) {
      rows.push_back('\n');  // what is already on the row stays whole; this starts a new one
    } else {
      rows.append(text.substr(0, fitting)).push_back('\n');
      text.remove_prefix(fitting);
    }
    column = 0;
  }
  for (const char byte : text) {
    column += TakesAColumn(byte) ? 1 : 0;
  }
  rows.append(text);
  return rows;
}

}  // namespace quillmore
