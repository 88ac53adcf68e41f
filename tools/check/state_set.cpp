#include "tools/check/state_set.h"

#include <functional>

namespace quillmore {

int state_set::Insert(std::string_view key, bool& added) {
  if (2 * (hashes.size() + 1) > table.size()) {
    Grow();
  }
  const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
  const std::size_t mask = table.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const int state = table[at];
    if (state == kEmpty) {
      table[at] = static_cast<int>(hashes.size());
      hashes.push_back(hash);
      bytes.insert(bytes.end(), key.begin(), key.end());
      ends.push_back(bytes.size());
      added = true;
      return table[at];
    }
    if (hashes[static_cast<std::size_t>(state)] == hash && Key(state) == key) {
      added = false;
      return state;
    }
  }
}

std::string_view state_set::Key(int state) const {
  const auto at = static_cast<std::size_t>(state);
  const std::size_t begin = at == 0 ? 0 : ends[at - 1];
  return {bytes.data() + begin, ends[at] - begin};
}

void state_set::Grow() {
  table.assign(table.empty() ? 1024 : 2 * table.size(), kEmpty);
  const std::size_t mask = table.size() - 1;
  for (std::size_t state = 0; state < hashes.size(); ++state) {
    std::size_t at = hashes[state] & mask;
    while (table[at] != kEmpty) {
      at = (at + 1) & mask;
    }
    table[at] = static_cast<int>(state);
  }
}

}  // namespace quillmore
