#include "tools/check/edit_distance.h"

#include <algorithm>
#include <vector>

namespace quillmore {

std::size_t EditsToContain(const std::string& name, const std::string& text) {
  // distance[j]: the fewest edits that make the text read so far end at letter j of the name.
  std::vector<std::size_t> distance(name.size() + 1, 0);
  for (std::size_t i = 1; i <= text.size(); ++i) {
    std::size_t diagonal = distance[0];
    distance[0] = i;
    for (std::size_t j = 1; j <= name.size(); ++j) {
      const std::size_t above = distance[j];
      const std::size_t change = text[i - 1] == name[j - 1] ? 0 : 1;
      distance[j] = std::min({above + 1, distance[j - 1] + 1, diagonal + change});
      diagonal = above;
    }
  }
  return *std::min_element(distance.begin(), distance.end());
}

std::size_t EditsBetween(const std::string& first, const std::string& second) {
  // distance[j]: the fewest edits that make the first name read so far the second's first j.
  std::vector<std::size_t> distance(second.size() + 1);
  for (std::size_t j = 0; j <= second.size(); ++j) {
    distance[j] = j;
  }
  for (std::size_t i = 1; i <= first.size(); ++i) {
    std::size_t diagonal = distance[0];
    distance[0] = i;
    for (std::size_t j = 1; j <= second.size(); ++j) {
      const std::size_t above = distance[j];
      const std::size_t change = first[i - 1] == second[j - 1] ? 0 : 1;
      distance[j] = std::min({above + 1, distance[j - 1] + 1, diagonal + change});
      diagonal = above;
    }
  }
  return distance[second.size()];
}

}  // namespace quillmore
