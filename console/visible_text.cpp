#include "console/visible_text.h"

namespace quillmore {

namespace {

constexpr unsigned char kDelete = 0x7f;
constexpr unsigned char kCaretOffset = 0x40;  // ^@ is NUL, ^A is 1, ... ^[ is ESC

bool IsControl(char byte) {
  const auto code = static_cast<unsigned char>(byte);
  return byte != '\n' && (code < ' ' || code == kDelete);
}

}  // namespace

std::string Visible(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char byte : text) {
    if (!IsControl(byte)) {
      shown.push_back(byte);
    } else if (static_cast<unsigned char>(byte) == kDelete) {
      shown.append("^?");
    } else {
      shown.push_back('^');
      shown.push_back(static_cast<char>(static_cast<unsigned char>(byte) + kCaretOffset));
    }
  }
  return shown;
}

std::string TypedAsText(std::string_view line) {
  const bool ended = line.ends_with('\n');
  std::string typed(line.substr(0, line.size() - (ended ? 1 : 0)));
  std::string text;
  for (const char byte : typed) {
    text.append(byte == '\t' ? " " : byte == '\n' ? "^J" : Visible(std::string_view(&byte, 1)));
  }
  return ended ? text + '\n' : text;
}

bool HasControlBytes(std::string_view text) {
  for (const char byte : text) {
    if (IsControl(byte)) {
      return true;
    }
  }
  return false;
}

}  // namespace quillmore
