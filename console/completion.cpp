#include "console/completion.h"

#include <cctype>

namespace quillmore {

namespace {

// How many characters the candidates have in common at their start, in any case.
std::size_t CommonStart(const std::vector<std::string>& candidates) {
  std::size_t common = candidates.front().size();
  for (const std::string& other : candidates) {
    std::size_t same = 0;
    while (same < common && same < other.size() &&
           std::tolower(static_cast<unsigned char>(other[same])) ==
               std::tolower(static_cast<unsigned char>(candidates.front()[same]))) {
      ++same;
    }
    common = same;
  }
  return common;
}

}  // namespace

bool FillIn(const completion& found, std::string_view typed, std::string& filled) {
  if (found.candidates.empty() || found.start > typed.size()) {
    return false;
  }
  const std::size_t typedLength = typed.size() - found.start;
  const std::size_t common = found.candidates.size() == 1 ? found.candidates.front().size()
                                                          : CommonStart(found.candidates);
  if (common < typedLength || (found.candidates.size() > 1 && common == typedLength)) {
    return false;
  }
  filled = found.candidates.front().substr(0, common);
  return true;
}

bool FillInWord(const completion& found, std::string_view typed, std::string& filled) {
  if (!FillIn(found, typed, filled)) {
    return false;
  }
  if (found.candidates.size() == 1) {
    filled.push_back(' ');
  }
  return true;
}

void DropTrailingBlanks(std::string& line) {
  std::size_t end = line.size();
  if (end > 0 && line[end - 1] == '\n') {
    --end;
  }
  std::size_t kept = end;
  while (kept > 0 && line[kept - 1] == ' ') {
    --kept;
  }
  line.erase(kept, end - kept);
}

}  // namespace quillmore
