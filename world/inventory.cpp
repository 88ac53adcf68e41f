#include "console/console.h"
#include "world/object_list.h"
#include "world/world.h"

namespace quillmore {

void world::ShowInventory() const {
  io.Write("You are holding: ");
  if (inventory == nullptr) {
    io.Line("Nothing.");
    return;
  }
  PrintObjectNames(inventory, io);
  io.EndLine();
}

void world::GetObject(std::string text) {
  if (!io.AskWhileEmpty(text, "Get what?", wanted::kObjectHere)) {
    return;
  }
  // What lies here comes first; a carried object is picked up again, to the front.
  object* item = currentRoom->RemoveObject(text);
  if (item == nullptr) {
    item = RemoveFromInventory(text);
  }
  if (item == nullptr) {
    io.Line("Item not found.");
    return;
  }
  PushObject(inventory, *item);
  io.Line("You picked up the ", text, ".");
}

void world::DropObject(std::string text) {
  if (!io.AskWhileEmpty(text, "Drop what?", wanted::kObjectCarried)) {
    return;
  }
  object* item = RemoveFromInventory(text);
  if (item == nullptr) {
    io.Line("That item is not in your inventory.");
    return;
  }
  currentRoom->AddObject(*item);
  io.Line("You dropped the ", text, ".");
}

bool world::IsCarrying(const std::string& text) const {
  return FindInInventory(text) != nullptr;
}

object* world::RemoveFromInventory(const std::string& text) {
  return UnlinkObject(inventory, text);
}

const object* world::FindInInventory(const std::string& text) const {
  return FindObjectIn(inventory, text);
}

}  // namespace quillmore
