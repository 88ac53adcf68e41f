#include "world/world.h"

namespace {

// One drink from every pub: the side quest, judged only at the end of a won game.
constexpr const char* kPubDrinks[] = {
    "pint of Bulmers Cider", "pint of Beamish", "pint of Murphy's",
    "pint of Rebel Red",     "shot of Jameson",
};

}  // namespace

bool world::HasAllPubDrinks() const {
  for (const char* drink : kPubDrinks) {
    if (FindInInventory(drink) == nullptr) {
      return false;
    }
  }
  return true;
}
