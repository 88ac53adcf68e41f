#include "tools/studio/step_clock.h"

namespace quillmore {

void step_clock::Lap(std::string step) {
  const clock::time_point now = clock::now();
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(now - last).count();
  laps.emplace_back(std::move(step), static_cast<long long>(took));
  last = now;
}

void step_clock::Write(json_text& json) const {
  json.Open();
  for (const auto& [step, took] : laps) {
    json.Key(step).Number(took);
  }
  json.Close();
}

}  // namespace quillmore
