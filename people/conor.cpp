#include "people/speech.h"
#include "world/person.h"

// Conor is the boy at the pinball machine: he wants coins for it.
bool person::TalkConor() {
  if (giftStage == kGiftReceived) {
    // The thanks runs straight into whatever comes next: no empty line.
    SayLine({"Thanks for the coins! Have you met my dad yet?"});
    giftStage = kGiftNone;
    return false;
  }
  if (questStage == kQuestOpen) {
    Say({"Do you have any pound coins? I want to play the pinball machine..."});
  } else if (questStage == kQuestDone) {
    Say({"I love playing pinball!"});
  }
  return false;
}
