#include "console/console.h"
#include "story/story.h"
#include "world/world.h"

namespace quillmore {

void world::GiveObject(const std::string& objectText, const std::string& personText) {
  person* receiver = FindPersonHere(personText);
  const bool carried = IsCarrying(objectText);
  if (receiver == nullptr) {
    io.Line("That person is not in this room.");
    io.Line();
    return;
  }
  if (!carried) {
    io.Line("That item is not in your inventory.");
    return;
  }
  if (!WantsObject(objectText, *receiver)) {
    io.Line("Um, I have no use for that.");
    io.Line();
    return;
  }
  receiver->AddHeldItem(*RemoveFromInventory(objectText));
  receiver->SetGiftStage(gift_stage::kReceived);
  io.Line("You gave ", personText, " the ", objectText, ".");
  FinishErrand(*receiver);
  const role* part = RoleOf(receiver->GetName());
  if (part->afterGift != nullptr) {
    part->afterGift(*this, *receiver);
  }
}

bool world::WantsObject(std::string objectText, const person& receiver) const {
  // The typed name stands for the very object that giving would hand over: the first carried
  // object that contains it.
  const object* item = FindInInventory(objectText);
  if (item == nullptr) {
    return false;
  }
  objectText = item->GetName();
  const role* part = RoleOf(receiver.GetName());
  return part != nullptr && part->wants != nullptr && objectText == part->wants;
}

}  // namespace quillmore
