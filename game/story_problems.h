#ifndef QUILLMORE_GAME_STORY_PROBLEMS_H_
#define QUILLMORE_GAME_STORY_PROBLEMS_H_

#include <string>

#include "world/load_report.h"

namespace quillmore {

// A problem of map.txt or story.txt in one line, as the game says it on standard error and the
// data checker in its report: "story.txt:12: what is wrong", or "map.txt: what is wrong" when it
// concerns the whole file.
std::string StoryProblemLine(const story_problem& found);

// What is wrong, without the file and line.
std::string StoryProblemText(const story_problem& found);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_STORY_PROBLEMS_H_
