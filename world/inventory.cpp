#include <iostream>

#include "world/object_list.h"
#include "world/player_input.h"
#include "world/world.h"

void world::ShowInventory() const {
  std::cout << "You are holding: ";
  if (inventory == nullptr) {
    std::cout << "Nothing." << std::endl;
    return;
  }
  PrintObjectNames(inventory, std::cout);
  std::cout << std::endl;
}

void world::GetObject(std::string text) {
  if (!AskWhileEmpty(text, "Get what?")) {
    return;
  }
  // What lies here comes first; a carried object is picked up again, to the front.
  object* item = currentRoom->RemoveObject(text);
  if (item == nullptr) {
    item = RemoveFromInventory(text);
  }
  if (item == nullptr) {
    std::cout << "Item not found." << std::endl;
    return;
  }
  PushObject(inventory, *item);
  std::cout << "You picked up the " << text << "." << std::endl;
}

void world::DropObject(std::string text) {
  if (!AskWhileEmpty(text, "Drop what?")) {
    return;
  }
  object* item = RemoveFromInventory(text);
  if (item == nullptr) {
    std::cout << "That item is not in your inventory." << std::endl;
    return;
  }
  currentRoom->AddObject(*item);
  std::cout << "You dropped the " << text << "." << std::endl;
}

bool world::IsCarrying(const std::string& text) const {
  return FindInInventory(text) != nullptr;
}

object* world::RemoveFromInventory(const std::string& text) {
  return UnlinkObject(inventory, text);
}

object* world::FindInInventory(const std::string& text) const {
  return FindObjectIn(inventory, text);
}
