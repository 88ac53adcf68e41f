#include "story/conversation.h"
#include "world/world.h"

namespace quillmore {

// Sara-Jane works at UCC and is waiting for John, who cannot leave the bar.
bool TalkSaraJane(person& saraJane, console& io) {
  if (saraJane.GetGiftStage() == gift_stage::kReceived) {
    // The thanks runs straight into whatever comes next: no empty line.
    SayLine(io, {"So nice of you to deliver that note, thanks! Say 'hi' to John for me."});
    saraJane.SetGiftStage(gift_stage::kNone);
    return false;
  }
  if (saraJane.GetQuestStage() == quest_stage::kIdle) {
    Say(io, {" ::cheerily:: Hello there. How are you?"});
  } else if (saraJane.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"What? You have a note for me?"});
  } else if (saraJane.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"I can't believe John's missing our date..."});
  }
  return false;
}

// The note has been delivered: John will hear of it at his next talk.
void AfterGiftSaraJane(world& game, person& /*saraJane*/) {
  person* john = game.PersonNamed("John the bar tender");
  if (john != nullptr) {
    john->SetGiftStage(gift_stage::kFollowUp);
  }
}

}  // namespace quillmore
