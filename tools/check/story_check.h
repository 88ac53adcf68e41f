#ifndef QUILLMORE_TOOLS_CHECK_STORY_CHECK_H_
#define QUILLMORE_TOOLS_CHECK_STORY_CHECK_H_

#include <vector>

#include "story/story.h"
#include "tools/check/data_check.h"
#include "world/load_report.h"
#include "world/world.h"

namespace quillmore {

// The findings about map.txt and story.txt: every problem the game's own reading of them met,
// each name that finds nothing with the nearest name that would have, and, for a folder's own
// story, the people of people.txt who say nothing, the says that no stage can reach, and the
// drinks that lie elsewhere than where they are collected. `game` is loaded as far as it would
// load, and told `told`.
std::vector<finding> CheckStory(const world& game, const story& told, const load_report& loaded);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_STORY_CHECK_H_
