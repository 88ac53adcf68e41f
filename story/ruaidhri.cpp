#include "story/conversation.h"

namespace quillmore {

// Ruaidhri runs the photo shop: he swaps the photo slip for the player's photos.
bool TalkRuaidhri(person& ruaidhri, console& io) {
  if (ruaidhri.GetGiftStage() == gift_stage::kReceived) {
    Say(io, {"Let me get your photos!"});
    ruaidhri.SetGiftStage(gift_stage::kNone);
    return true;
  }
  if (ruaidhri.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"Hello, how can I help you?"});
  } else if (ruaidhri.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"Thank you, come again."});
  }
  return false;
}

}  // namespace quillmore
