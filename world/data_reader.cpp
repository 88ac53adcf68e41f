#include "world/data_reader.h"

namespace quillmore {

void data_reader::ReadLine(std::string& line) {
  ++lineNumber;
  if (!in.good()) {
    return;
  }
  std::getline(in, line);
  const bool endedByLineFeed = !in.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') {
    line.pop_back();
  }
}

}  // namespace quillmore
