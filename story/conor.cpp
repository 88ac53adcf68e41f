#include "story/conversation.h"

namespace quillmore {

// Conor is the boy at the pinball machine: he wants coins for it.
bool TalkConor(person& conor, console& io) {
  if (conor.GetGiftStage() == gift_stage::kReceived) {
    // The thanks runs straight into whatever comes next: no empty line.
    SayLine(io, {"Thanks for the coins! Have you met my dad yet?"});
    conor.SetGiftStage(gift_stage::kNone);
    return false;
  }
  if (conor.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"Do you have any pound coins? I want to play the pinball machine..."});
  } else if (conor.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"I love playing pinball!"});
  }
  return false;
}

}  // namespace quillmore
