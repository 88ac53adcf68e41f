#include <algorithm>

#include "story/story.h"

namespace quillmore {

const role* story::RoleOf(std::string_view name) const {
  const auto found = std::find_if(cast.begin(), cast.end(),
                                  [name](const role& part) { return name == part.name; });
  return found == cast.end() ? nullptr : &*found;
}

std::span<const role> Cast(const world& game) {
  return game.Story() == nullptr ? std::span<const role>() : game.Story()->cast;
}

const role* RoleOf(const world& game, std::string_view name) {
  return game.Story() == nullptr ? nullptr : game.Story()->RoleOf(name);
}

entrance EntranceOf(const story& told, std::string_view name) {
  const role* part = told.RoleOf(name);
  return part == nullptr ? entrance{} : entrance{part->outOfSight, part->startStage};
}

}  // namespace quillmore
