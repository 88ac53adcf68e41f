#include "world/data_reader.h"

namespace quillmore {

bool data_reader::AtEnd() {
  return !in.good() || in.peek() == std::istream::traits_type::eof();
}

void data_reader::ReadLine(std::string& line) {
  ++lineNumber;
  if (AtEnd()) {
    return;
  }
  std::getline(in, line);
  const bool endedByLineFeed = !in.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') {
    line.pop_back();
  }
}

}  // namespace quillmore
