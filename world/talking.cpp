#include "console/console.h"
#include "story/story.h"
#include "world/object_list.h"
#include "world/world.h"

namespace quillmore {

// The conversation is chosen by the exact full name, so a person never runs the script of someone
// whose name his contains. After a successful talk the person hands the player an object, if
// any, and then the story moves on.
bool world::TalkTo(const std::string& text) {
  person* speaker = FindPersonHere(text);
  if (speaker == nullptr) {
    io.Line("There is no person by that name here.");
    io.Line();
    return false;
  }
  const role* part = RoleOf(speaker->GetName());
  if (part == nullptr) {
    return false;
  }
  if (part->beforeTalk != nullptr) {
    part->beforeTalk(*this, *speaker);
  }
  if (part->talk(*speaker, io)) {
    if (part->handsOver != nullptr) {
      TakeFromPerson(part->handsOver, part->name);
    }
    if (part->afterTalk != nullptr) {
      part->afterTalk(*this, *speaker);
    }
  }
  return part->winsGame;
}

person* world::FindPersonHere(const std::string& text) {
  for (person* member = currentRoom->GetPeople(); member != nullptr;
       member = member->GetNextInRoom()) {
    if (member->HasName(text)) {
      return member;
    }
  }
  return nullptr;
}

void world::TakeFromPerson(const std::string& item, const std::string& holder) {
  person* giver = FindPersonHere(holder);
  if (giver == nullptr) {
    io.Line("That person is not in this room.");
    return;
  }
  object* handed = giver->RemoveHeldItem(item);
  if (handed == nullptr) {
    io.Line("NPC does not have that item.");
    return;
  }
  PushObject(inventory, *handed);
  io.Line("You have recieved ", item, ".");
}

}  // namespace quillmore
