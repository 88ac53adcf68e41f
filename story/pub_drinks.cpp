#include "story/pub_drinks.h"

#include "story/rules.h"

namespace quillmore {

// Only what the player carries counts: a drink dropped or given away does not.
bool HasAllPubDrinks(const world& game) {
  for (const char* drink : kPubDrinks) {
    if (!game.IsCarrying(drink)) {
      return false;
    }
  }
  return true;
}

}  // namespace quillmore
