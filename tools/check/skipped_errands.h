#ifndef QUILLMORE_TOOLS_CHECK_SKIPPED_ERRANDS_H_
#define QUILLMORE_TOOLS_CHECK_SKIPPED_ERRANDS_H_

#include <set>
#include <string>

#include "tools/check/explorer.h"
#include "world/world.h"

namespace quillmore {

// The people of the story whose errands the shortest win leaves alone: played command by command
// from `start`, it never changes their errand or gift stage, and they do not win the game. Empty
// when the search found no win.
std::set<std::string> SkippedErrands(const world& start, const exploration& found);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_SKIPPED_ERRANDS_H_
