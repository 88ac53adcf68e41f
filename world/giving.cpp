#include <iostream>

#include "world/story_names.h"
#include "world/world.h"

namespace {

struct wanted_object {
  const char* receiver;
  const char* item;
};

// The one object each errand person accepts. Every other pair is refused.
constexpr wanted_object kWantedObjects[] = {
    {kRuaidhri, kPhotoSlip}, {kConor, kEnglishCoins},   {kSean, kPhotos},
    {kSaraJane, kNapkin},    {kSiobhan, kPearlEarring}, {kTom, kPintOfGuinness},
};

}  // namespace

void world::GiveObject(const std::string& objectText, const std::string& personText) {
  person* receiver = FindPersonHere(personText);
  const bool carried = IsCarrying(objectText);
  if (receiver == nullptr) {
    std::cout << "That person is not in this room." << std::endl << std::endl;
    return;
  }
  if (!carried) {
    std::cout << "That item is not in your inventory." << std::endl;
    return;
  }
  if (!WantsObject(objectText, *receiver)) {
    std::cout << "Um, I have no use for that." << std::endl << std::endl;
    return;
  }
  receiver->AddHeldItem(*RemoveFromInventory(objectText));
  receiver->SetGiftStage(kGiftReceived);
  std::cout << "You gave " << personText << " the " << objectText << "." << std::endl;
  receiver->SetQuestStage(kQuestDone);
  AdvanceQuest(receiver->GetName());
  if (receiver->GetName() == kSaraJane) {
    const int john = FindNPC(kJohn);
    if (john != kNoPerson) {
      people[john].SetGiftStage(kGiftFollowUp);
    }
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
  for (const wanted_object& wanted : kWantedObjects) {
    if (receiver.GetName() == wanted.receiver && objectText == wanted.item) {
      return true;
    }
  }
  return false;
}
