#include "world/data_line.h"

void ReadDataLine(std::istream& in, std::string& line) {
  if (!in.good()) {
    return;
  }
  std::getline(in, line);
  const bool endedByLineFeed = !in.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') {
    line.pop_back();
  }
}
