#ifndef QUILLMORE_STORY_BUILT_IN_STORY_H_
#define QUILLMORE_STORY_BUILT_IN_STORY_H_

#include <string_view>

namespace quillmore {

// The shipped map.txt and story.txt, byte for byte, compiled in when the game is built (made
// from data/ by cmake/embed_story.cmake): what a folder without its own plays.
extern const std::string_view kBuiltInMap;
extern const std::string_view kBuiltInStory;

}  // namespace quillmore

#endif  // QUILLMORE_STORY_BUILT_IN_STORY_H_
