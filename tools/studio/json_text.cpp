#include "tools/studio/json_text.h"

#include <cstdio>

namespace quillmore {

json_text& json_text::Key(std::string_view key) {
  Separate();
  Quote(key);
  text += ':';
  first = true;  // the value that follows takes no comma
  return *this;
}

json_text& json_text::String(std::string_view value) {
  Separate();
  Quote(value);
  return *this;
}

json_text& json_text::Number(long long value) {
  Separate();
  text += std::to_string(value);
  return *this;
}

json_text& json_text::Truth(bool value) {
  Separate();
  text += value ? "true" : "false";
  return *this;
}

json_text& json_text::Null() {
  Separate();
  text += "null";
  return *this;
}

json_text& json_text::Start(char bracket) {
  Separate();
  text += bracket;
  first = true;
  return *this;
}

json_text& json_text::End(char bracket) {
  text += bracket;
  first = false;
  return *this;
}

void json_text::Separate() {
  if (!first) {
    text += ',';
  }
  first = false;
}

// Bytes of 0x80 and above pass as they are: the data files are UTF-8 or treated as such.
void json_text::Quote(std::string_view value) {
  text += '"';
  for (const char letter : value) {
    const auto byte = static_cast<unsigned char>(letter);
    if (letter == '"' || letter == '\\') {
      text += '\\';
      text += letter;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      text += escaped;
    } else {
      text += letter;
    }
  }
  text += '"';
}

}  // namespace quillmore
