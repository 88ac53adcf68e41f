#include "story/pub_drinks.h"

#include "world/world.h"

namespace quillmore {

bool world::HasAllPubDrinks() const {
  for (const char* drink : kPubDrinks) {
    if (FindInInventory(drink) == nullptr) {
      return false;
    }
  }
  return true;
}

}  // namespace quillmore
