#include "people/speech.h"
#include "world/person.h"

// Ruaidhri runs the photo shop: he swaps the photo slip for the player's photos.
bool person::TalkRuaidhri() {
  if (giftStage == kGiftReceived) {
    Say({"Let me get your photos!"});
    giftStage = kGiftNone;
    return true;
  }
  if (questStage == kQuestOpen) {
    Say({"Hello, how can I help you?"});
  } else if (questStage == kQuestDone) {
    Say({"Thank you, come again."});
  }
  return false;
}
