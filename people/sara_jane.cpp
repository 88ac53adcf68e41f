#include "people/speech.h"
#include "world/person.h"

// Sara-Jane works at UCC and is waiting for John, who cannot leave the bar.
bool person::TalkSaraJane() {
  if (giftStage == kGiftReceived) {
    // The thanks runs straight into whatever comes next: no empty line.
    SayLine({"So nice of you to deliver that note, thanks! Say 'hi' to John for me."});
    giftStage = kGiftNone;
    return false;
  }
  if (questStage == kQuestIdle) {
    Say({" ::cheerily:: Hello there. How are you?"});
  } else if (questStage == kQuestOpen) {
    Say({"What? You have a note for me?"});
  } else if (questStage == kQuestDone) {
    Say({"I can't believe John's missing our date..."});
  }
  return false;
}
