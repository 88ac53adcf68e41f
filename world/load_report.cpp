#include "world/load_report.h"

namespace quillmore {

void load_report::Add(data_file file, int line, problem what, const std::string& text) {
  problems.push_back({file, line, what, text});
}

void load_report::Add(data_file file, int line, story_fault what, std::string_view text) {
  storyProblems.push_back({file, line, what, std::string(text)});
}

}  // namespace quillmore
