#ifndef QUILLMORE_TOOLS_STUDIO_JSON_TEXT_H_
#define QUILLMORE_TOOLS_STUDIO_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace quillmore {

// Builds one JSON text, value by value, for the studio's page. The studio sends only objects,
// lists, strings, whole numbers and truth values, so these few calls are all it needs. Commas
// are put in by the writer: a caller opens, adds and closes in order.
class json_text {
 public:
  json_text& Open() { return Start('{'); }
  json_text& Close() { return End('}'); }
  json_text& OpenList() { return Start('['); }
  json_text& CloseList() { return End(']'); }
  // The key of the next value in an object.
  json_text& Key(std::string_view key);
  json_text& String(std::string_view value);
  json_text& Number(long long value);
  json_text& Truth(bool value);
  json_text& Null();

  const std::string& Text() const { return text; }

 private:
  json_text& Start(char bracket);
  json_text& End(char bracket);
  void Separate();
  void Quote(std::string_view value);

  std::string text;
  bool first = true;  // no value yet in the object or list being written
};

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_STUDIO_JSON_TEXT_H_
