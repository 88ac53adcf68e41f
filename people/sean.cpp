#include "people/speech.h"
#include "world/person.h"

namespace {

// Sean finds his own band in the last photo and names the pub it plays in.
void FlipThroughPhotos() {
  Say({"::flips through the images, squinting at all the blurred shots until he comes to the ",
       "last photo in the pack:: ",
       "Well would you look at that, sure that's my own band up on the stage! ",
       "I was meant to be playing with the lads last night, but I was sick as a dog. ",
       "They play at The Franciscan Well every Wednesday night, that's where this was taken. ",
       "Mind you, it's a fair long walk from here, the Well is over across the river."});
}

}  // namespace

// Sean the musician is Conor's father. Once the photo slip is in, he takes it that the player
// carries the photos (giftStage 1) and asks to see them.
bool person::TalkSean() {
  if (questStage == kQuestIdle) {
    Say({"..."});
    return false;
  }
  if (questStage == kQuestOpen) {
    Say({"...Thank you for helping my son out. He's been staring at that machine for ages. "});
    if (giftStage != kGiftReceived) {
      return false;
    }
    Say({"Oh, I see you have some photos. I love looking at pictures...can I see them?"});
    const char choice = AskChoice("a) Yeah sure.", "b) Um..I'd rather you not.", "What?");
    if (choice == 'a') {
      FlipThroughPhotos();
      giftStage = kGiftNone;
      return true;
    }
    if (choice == 'b') {
      Say({"Oh...ok."});
    }
    return false;
  }
  if (questStage == kQuestDone) {
    Say({"...Talk to you later... "});
  }
  return false;
}
