#ifndef QUILLMORE_WORLD_NAME_MATCH_H_
#define QUILLMORE_WORLD_NAME_MATCH_H_

#include <string_view>

namespace quillmore {

// Every lookup by typed or stored text matches by containment: a name matches when it holds
// the text as a contiguous, case-sensitive run of bytes. The empty text matches every name.
inline bool NameContains(std::string_view name, std::string_view text) {
  return name.find(text) != std::string_view::npos;
}

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_NAME_MATCH_H_
