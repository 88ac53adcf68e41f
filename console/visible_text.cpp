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
  std::string typed(line);
  for (char& byte : typed) {
    byte = byte == '\t' ? ' ' : byte;
  }
  return Visible(typed);
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
