#include "people/speech.h"
#include "world/person.h"

namespace {

void TellOfTheGroup() {
  Say({"So anyway yeah, I was with your little group. ",
       "I met your friend Tom at a club night and tagged along with ye after, and God, isn't he "
       "only gorgeous? ",
       "I think you were there with the other guy, but I never got his name. ",
       "Tom knew him well though, so you should ask Tom who he was."});
}

void AskForEarring() {
  Say({"Oh, you want to know if I was at the Well? Yeah I was there last night. ",
       "Were you the young fella from the USA? ",
       "Sorry love, it's all a bit of a blur, I'd a fair few drinks in me. ",
       "I might remember better if you helped me find my earring, it's my favourite one, ",
       "and I lost it last night somewhere along the way."});
  Say({"Please let me know when you find it!"});
}

}  // namespace

// Siobhan lost her earring last night. Once it is back she buys the player a pint, and on the
// talk after that she tells him about Tom.
bool person::TalkSiobhan() {
  if (giftStage == kGiftReceived) {
    Say({"Ah, Cheers! Thanks for bringing my earing back love. ",
         "Just for that I'm buying you a drink."});
    giftStage = kGiftNone;
    return true;
  }
  if (giftStage == kGiftFollowUp) {
    TellOfTheGroup();
    giftStage = kGiftNone;
    return false;
  }
  if (questStage == kQuestIdle) {
    Say({"Sorry, I have a boyfriend."});
  } else if (questStage == kQuestOpen) {
    AskForEarring();
  } else if (questStage == kQuestDone) {
    Say({"You should really go talk to Tom. Give him a kiss for me! ::giggle:: "});
  }
  return false;
}
