#include <iostream>

#include "world/world.h"

room* world::Move(int direction) {
  room* next = IsDirection(direction) ? currentRoom->GetExit(direction) : nullptr;
  if (next == nullptr) {
    std::cout << "There is no exit in that direction." << std::endl;
    return nullptr;
  }
  currentRoom = next;
  return next;
}

void world::DescribeCurrentRoom() const {
  currentRoom->Describe(std::cout);
}
