#include "people/speech.h"
#include "world/person.h"

namespace {

// Told once, on the first talk after Sara-Jane got the note.
void RecallLastNight() {
  Say({"Oh, back so soon? That's grand! Thanks for delivering that note for me."});
  Say({"So many faces come in and out of this bar, it is impossible to remember them all. ",
       "But now that I think of it, I do remember you sitting on your own at the table near the "
       "door. ",
       "At one stage you grabbed a lad standing nearby and got him to take your photo in front "
       "of the band. ",
       "Later on in the night you headed off out the door with a group of people. ",
       "I know the fella who took that picture, he's one of our regulars. ",
       "His name is Jack, and he loves taking photos, ",
       "but he wasn't one bit happy about taking yours, ",
       "not after the way you roared across the bar to get his attention."});
  Say({"If you find him, he might be able to remember you better than I can."});
}

void WriteNote() {
  Say({"Emm...I have a lot of things on my mind right now. Do you mind ",
       "doing me a favor before I try to answer that?"});
  Say({"::Takes out a napkin and a pen from behind the bar and begins writing a note:: ",
       "It's a mad busy night in here and there's no way I can get away from the bar. ",
       "My girlfriend is waiting on me up at UCC, where she works. ",
       "Would you give her this note for me, so she knows I can't make it?"});
}

}  // namespace

// John the bar tender half remembers the player, but wants a note taken to his girlfriend first.
bool person::TalkJohn() {
  if (giftStage == kGiftFollowUp) {
    RecallLastNight();
    giftStage = kGiftNone;
    return false;
  }
  if (questStage == kQuestIdle) {
    Say({"Hey, can I get you a drink? ...Oh, you don't have any money."});
    return false;
  }
  if (questStage == kQuestOpen) {
    Say({"Hello there."});
    const char choice = AskChoice(
        "a) Hey.", "b) Hi, I know this is weird to ask, but have you seen me in here before?",
        "What was that?");
    if (choice == 'a') {
      Say({"::John goes back to getting drinks for customers::"});
      return false;
    }
    if (choice == 'b') {
      WriteNote();
      return true;
    }
    return false;
  }
  if (questStage == kQuestWaiting) {
    Say({"Why are you still here? Hurry up and get that note to Sara-Jane."});
  } else if (questStage == kQuestDone) {
    Say({"Have you talked to Jack yet?"});
  }
  return false;
}
