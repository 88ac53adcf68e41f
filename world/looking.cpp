#include <iostream>

#include "world/world.h"

void world::LookAt(const std::string& target) const {
  // The shell passes "none" for a look without a target.
  if (target == "none") {
    currentRoom->Describe(std::cout);
    return;
  }
  const object* item = FindInInventory(target);
  if (item == nullptr) {
    item = currentRoom->FindObject(target);
  }
  if (item == nullptr) {
    std::cout << "That item is nowhere to be found." << std::endl;
    return;
  }
  item->Describe(std::cout);
}
