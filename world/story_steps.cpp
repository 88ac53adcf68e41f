#include "world/story_names.h"
#include "world/world.h"

// The effects of a conversation that reach beyond the person spoken to. A step that needs a
// person missing from the people table is skipped; the other steps still run.

person* world::StoryPerson(const char* name) {
  const int slot = FindNPC(name);
  return slot == kNoPerson ? nullptr : &people[slot];
}

void world::BeforeSean(person& sean) {
  // Once the photo slip is handed in, Sean takes it that the player has the photos.
  const person* ruaidhri = StoryPerson(kRuaidhri);
  if (ruaidhri != nullptr && ruaidhri->GetQuestStage() == kQuestDone) {
    sean.SetGiftStage(kGiftReceived);
  }
}

void world::BeforeJohn(person& john) {
  // Once Sara-Jane has the note, John's errand is done and Jack's is open.
  const person* saraJane = StoryPerson(kSaraJane);
  if (saraJane != nullptr && saraJane->GetQuestStage() == kQuestDone) {
    john.SetQuestStage(kQuestDone);
    AdvanceQuest(john.GetName());
  }
}

void world::AfterRuaidhri(person& /*ruaidhri*/) {
  TakeFromPerson(kPhotos, kRuaidhri);
}

void world::AfterSean(person& sean) {
  sean.SetQuestStage(kQuestDone);
  AdvanceQuest(sean.GetName());
}

void world::AfterJohn(person& john) {
  TakeFromPerson(kNapkin, kJohn);
  john.SetQuestStage(kQuestWaiting);
  person* saraJane = StoryPerson(kSaraJane);
  if (saraJane != nullptr) {
    saraJane->SetQuestStage(kQuestOpen);
  }
}

void world::AfterJack(person& jack) {
  jack.SetQuestStage(kQuestDone);
  AdvanceQuest(jack.GetName());
}

void world::AfterSiobhan(person& siobhan) {
  TakeFromPerson(kPintOfGuinness, kSiobhan);
  siobhan.SetGiftStage(kGiftFollowUp);
}

void world::AfterTom(person& tom) {
  tom.SetQuestStage(kQuestDone);
  AdvanceQuest(tom.GetName());
  const int diarmuid = FindNPC(kDiarmuid);
  if (diarmuid != kNoPerson) {
    PlacePersonInRoom(kDiarmuidsPub, diarmuid);
  }
}
