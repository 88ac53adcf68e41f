#ifndef QUILLMORE_WORLD_NAME_MATCH_H_
#define QUILLMORE_WORLD_NAME_MATCH_H_

#include <string>

namespace quillmore {

// Every lookup by typed or stored text matches by containment: a name matches when it holds
// the text as a contiguous, case-sensitive run of bytes. The empty text matches every name.
inline bool NameContains(const std::string& name, const std::string& text) {
  return name.find(text) != std::string::npos;
}

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_NAME_MATCH_H_
