#ifndef QUILLMORE_TOOLS_STUDIO_STEP_CLOCK_H_
#define QUILLMORE_TOOLS_STUDIO_STEP_CLOCK_H_

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "tools/studio/json_text.h"

namespace quillmore {

// How long each step of the studio's work took, for its figures: each lap is the time since the
// one before (or since the clock was made), in microseconds.
class step_clock {
 public:
  void Lap(std::string step);
  // {"STEP": MICROSECONDS, ...} as the value of the key written last.
  void Write(json_text& json) const;

 private:
  using clock = std::chrono::steady_clock;
  clock::time_point last = clock::now();
  std::vector<std::pair<std::string, long long>> laps;
};

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_STUDIO_STEP_CLOCK_H_
