#ifndef QUILLMORE_WORLD_OBJECT_H_
#define QUILLMORE_WORLD_OBJECT_H_

#include <string>
#include <string_view>

#include "world/name_match.h"

namespace quillmore {

// One item of the game, as the objects file gives it. Where it lies, who holds it or whether the
// player carries it is the world's state of play.
struct object {
  std::string name;
  std::string description;

  bool HasName(std::string_view text) const { return NameContains(name, text); }
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_OBJECT_H_
