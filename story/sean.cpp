#include "story/conversation.h"
#include "world/world.h"

namespace quillmore {
namespace {

// Sean finds his own band in the last photo and names the pub it plays in.
void FlipThroughPhotos(console& io) {
  Say(io, {"::flips through the images, squinting at all the blurred shots until he comes to the ",
           "last photo in the pack:: ",
           "Well would you look at that, sure that's my own band up on the stage! ",
           "I was meant to be playing with the lads last night, but I was sick as a dog. ",
           "They play at The Franciscan Well every Wednesday night, that's where this was taken. ",
           "Mind you, it's a fair long walk from here, the Well is over across the river."});
}

}  // namespace

// Sean the musician is Conor's father. Once the photo slip is in, he takes it that the player
// carries the photos (giftStage 1) and asks to see them.
bool TalkSean(person& sean, console& io) {
  if (sean.GetQuestStage() == quest_stage::kIdle) {
    Say(io, {"..."});
    return false;
  }
  if (sean.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"...Thank you for helping my son out. He's been staring at that machine for ages. "});
    if (sean.GetGiftStage() != gift_stage::kReceived) {
      return false;
    }
    Say(io, {"Oh, I see you have some photos. I love looking at pictures...can I see them?"});
    const char choice = AskChoice(io, "a) Yeah sure.", "b) Um..I'd rather you not.", "What?");
    if (choice == 'a') {
      FlipThroughPhotos(io);
      sean.SetGiftStage(gift_stage::kNone);
      return true;
    }
    if (choice == 'b') {
      Say(io, {"Oh...ok."});
    }
    return false;
  }
  if (sean.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"...Talk to you later... "});
  }
  return false;
}

// Once the photo slip is handed in, Sean takes it that the player has the photos.
void BeforeSean(world& game, person& sean) {
  const person* ruaidhri = game.PersonNamed("Ruaidhri the photo guy");
  if (ruaidhri != nullptr && ruaidhri->GetQuestStage() == quest_stage::kDone) {
    sean.SetGiftStage(gift_stage::kReceived);
  }
}

}  // namespace quillmore
