#include "story/rules.h"

namespace quillmore {

// Only what the player carries counts: a drink dropped or given away does not. A story without
// drinks has none to collect.
bool HasAllPubDrinks(const world& game) {
  if (game.Story() == nullptr || game.Story()->drinks.empty()) {
    return false;
  }
  for (const drink& counted : game.Story()->drinks) {
    if (!game.IsCarrying(counted.name)) {
      return false;
    }
  }
  return true;
}

}  // namespace quillmore
