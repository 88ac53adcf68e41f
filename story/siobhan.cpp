#include "story/conversation.h"
#include "world/world.h"

namespace quillmore {
namespace {

void TellOfTheGroup(console& io) {
  Say(io,
      {"So anyway yeah, I was with your little group. ",
       "I met your friend Tom at a club night and tagged along with ye after, and God, isn't he "
       "only gorgeous? ",
       "I think you were there with the other guy, but I never got his name. ",
       "Tom knew him well though, so you should ask Tom who he was."});
}

void AskForEarring(console& io) {
  Say(io, {"Oh, you want to know if I was at the Well? Yeah I was there last night. ",
           "Were you the young fella from the USA? ",
           "Sorry love, it's all a bit of a blur, I'd a fair few drinks in me. ",
           "I might remember better if you helped me find my earring, it's my favourite one, ",
           "and I lost it last night somewhere along the way."});
  Say(io, {"Please let me know when you find it!"});
}

}  // namespace

// Siobhan lost her earring last night. Once it is back she buys the player a pint, and on the
// talk after that she tells him about Tom.
bool TalkSiobhan(person& siobhan, console& io) {
  if (siobhan.GetGiftStage() == gift_stage::kReceived) {
    Say(io, {"Ah, Cheers! Thanks for bringing my earing back love. ",
             "Just for that I'm buying you a drink."});
    siobhan.SetGiftStage(gift_stage::kNone);
    return true;
  }
  if (siobhan.GetGiftStage() == gift_stage::kFollowUp) {
    TellOfTheGroup(io);
    siobhan.SetGiftStage(gift_stage::kNone);
    return false;
  }
  if (siobhan.GetQuestStage() == quest_stage::kIdle) {
    Say(io, {"Sorry, I have a boyfriend."});
  } else if (siobhan.GetQuestStage() == quest_stage::kOpen) {
    AskForEarring(io);
  } else if (siobhan.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"You should really go talk to Tom. Give him a kiss for me! ::giggle:: "});
  }
  return false;
}

// The pint has been handed over: she tells of the group at the next talk.
void AfterSiobhan(world& /*game*/, person& siobhan) {
  siobhan.SetGiftStage(gift_stage::kFollowUp);
}

}  // namespace quillmore
