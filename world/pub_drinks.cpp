#include "world/story_names.h"
#include "world/world.h"

bool world::HasAllPubDrinks() const {
  for (const char* drink : kPubDrinks) {
    if (FindInInventory(drink) == nullptr) {
      return false;
    }
  }
  return true;
}
