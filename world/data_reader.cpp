#include "world/data_reader.h"

namespace quillmore {

void data_reader::ReadLine(std::string& line) {
  ++lineNumber;
  if (AtEnd()) {
    return;
  }
  const std::size_t end = text.find('\n', at);
  if (end == std::string_view::npos) {
    line.assign(text.substr(at));
    at = text.size();
    return;
  }
  std::string_view read = text.substr(at, end - at);
  if (!read.empty() && read.back() == '\r') {
    read.remove_suffix(1);
  }
  line.assign(read);
  at = end + 1;
}

}  // namespace quillmore
