#ifndef QUILLMORE_TOOLS_MAP_STORY_DOT_H_
#define QUILLMORE_TOOLS_MAP_STORY_DOT_H_

#include <ostream>
#include <set>
#include <string>

namespace quillmore {

struct story;

// Writes a story's errand chain, the very table the game plays, as a Graphviz graph for dot:
// a puzzle dependency chart. People are boxes, objects are ellipses, the end of the game is a
// double box. An object points to the person who wants it, a person to the object he or she
// hands over after a successful talk, and a person to the people whose errands his or hers
// opens, brings in, or sets going once it is done. The people of `skipped`, whose errands the
// shortest win leaves alone (SkippedErrands), are drawn dashed and grey, and so is an object
// that only they want or hand over; a line at the foot says what that means.
void WriteStoryDot(std::ostream& out, const story& told, const std::set<std::string>& skipped = {});

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_MAP_STORY_DOT_H_
