#include <iostream>

#include "world/object_list.h"
#include "world/story_names.h"
#include "world/world.h"

const world::dialogue* world::DialogueFor(const std::string& name) {
  // Scripts are chosen by the exact full name, so "Tomas" never runs Tom's script.
  static const dialogue kDialogues[] = {
      {kRuaidhri, &person::TalkRuaidhri, nullptr, &world::AfterRuaidhri},
      {kConor, &person::TalkConor, nullptr, nullptr},
      {kSean, &person::TalkSean, &world::BeforeSean, &world::AfterSean},
      {kJohn, &person::TalkJohn, &world::BeforeJohn, &world::AfterJohn},
      {kSaraJane, &person::TalkSaraJane, nullptr, nullptr},
      {kJack, &person::TalkJack, nullptr, &world::AfterJack},
      {kSiobhan, &person::TalkSiobhan, nullptr, &world::AfterSiobhan},
      {kTom, &person::TalkTom, nullptr, &world::AfterTom},
      {kDiarmuid, &person::TalkDiarmuid, nullptr, nullptr},
      {kLiam, &person::TalkLiam, nullptr, nullptr},
      {kCouple, &person::TalkCouple, nullptr, nullptr},
      {kEchoGuy, &person::TalkEchoGuy, nullptr, nullptr},
      {kTomas, &person::TalkTomas, nullptr, nullptr},
      {kRory, &person::TalkRory, nullptr, nullptr},
      {kColleen, &person::TalkColleen, nullptr, nullptr},
      {kVideoGamer, &person::TalkVideoGamer, nullptr, nullptr},
      {kPerformer, &person::TalkPerformer, nullptr, nullptr},
  };
  for (const dialogue& entry : kDialogues) {
    if (name == entry.name) {
      return &entry;
    }
  }
  return nullptr;
}

bool world::TalkTo(const std::string& text) {
  person* speaker = FindPersonHere(text);
  if (speaker == nullptr) {
    std::cout << "There is no person by that name here." << std::endl << std::endl;
    return false;
  }
  const dialogue* entry = DialogueFor(speaker->GetName());
  if (entry == nullptr) {
    return false;
  }
  if (entry->before != nullptr) {
    (this->*entry->before)(*speaker);
  }
  const bool success = (speaker->*entry->talk)();
  if (success && entry->after != nullptr) {
    (this->*entry->after)(*speaker);
  }
  // The conversation with Diarmuid wins the game, however it went.
  return speaker->GetName() == kDiarmuid;
}

person* world::FindPersonHere(const std::string& text) const {
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
    std::cout << "That person is not in this room." << std::endl;
    return;
  }
  object* handed = giver->RemoveHeldItem(item);
  if (handed == nullptr) {
    std::cout << "NPC does not have that item." << std::endl;
    return;
  }
  PushObject(inventory, *handed);
  std::cout << "You have recieved " << item << "." << std::endl;
}
