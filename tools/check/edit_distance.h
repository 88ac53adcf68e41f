#ifndef QUILLMORE_TOOLS_CHECK_EDIT_DISTANCE_H_
#define QUILLMORE_TOOLS_CHECK_EDIT_DISTANCE_H_

#include <cstddef>
#include <string>

namespace quillmore {

// The fewest edits (a letter put in, left out or changed) after which `name` contains `text`:
// the edit distance from `text` to the nearest run of letters in `name`. How near a room's name
// comes to a map place it was meant to contain.
std::size_t EditsToContain(const std::string& name, const std::string& text);

// The fewest edits that make one name the other: how near a name comes to one the story needs.
std::size_t EditsBetween(const std::string& first, const std::string& second);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_EDIT_DISTANCE_H_
