#ifndef QUILLMORE_TOOLS_MAP_STORY_DOT_H_
#define QUILLMORE_TOOLS_MAP_STORY_DOT_H_

#include <ostream>

namespace quillmore {

struct story;

// Writes a story's errand chain, the very table the game plays, as a Graphviz graph for dot:
// a puzzle dependency chart. People are boxes, objects are ellipses, the end of the game is a
// double box. An object points to the person who wants it, a person to the object he or she
// hands over after a successful talk, and a person to the people whose errands his or hers
// opens, brings in, or sets going once it is done.
void WriteStoryDot(std::ostream& out, const story& told);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_MAP_STORY_DOT_H_
