#include "story/conversation.h"
#include "world/world.h"

namespace quillmore {
namespace {

// Told once, on the first talk after Sara-Jane got the note.
void RecallLastNight(console& io) {
  Say(io, {"Oh, back so soon? That's grand! Thanks for delivering that note for me."});
  Say(io,
      {"So many faces come in and out of this bar, it is impossible to remember them all. ",
       "But now that I think of it, I do remember you sitting on your own at the table near the "
       "door. ",
       "At one stage you grabbed a lad standing nearby and got him to take your photo in front "
       "of the band. ",
       "Later on in the night you headed off out the door with a group of people. ",
       "I know the fella who took that picture, he's one of our regulars. ",
       "His name is Jack, and he loves taking photos, ",
       "but he wasn't one bit happy about taking yours, ",
       "not after the way you roared across the bar to get his attention."});
  Say(io, {"If you find him, he might be able to remember you better than I can."});
}

void WriteNote(console& io) {
  Say(io, {"Emm...I have a lot of things on my mind right now. Do you mind ",
           "doing me a favor before I try to answer that?"});
  Say(io, {"::Takes out a napkin and a pen from behind the bar and begins writing a note:: ",
           "It's a mad busy night in here and there's no way I can get away from the bar. ",
           "My girlfriend is waiting on me up at UCC, where she works. ",
           "Would you give her this note for me, so she knows I can't make it?"});
}

}  // namespace

// John the bar tender half remembers the player, but wants a note taken to his girlfriend first.
bool TalkJohn(person& john, console& io) {
  if (john.GetGiftStage() == gift_stage::kFollowUp) {
    RecallLastNight(io);
    john.SetGiftStage(gift_stage::kNone);
    return false;
  }
  if (john.GetQuestStage() == quest_stage::kIdle) {
    Say(io, {"Hey, can I get you a drink? ...Oh, you don't have any money."});
    return false;
  }
  if (john.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"Hello there."});
    const char choice = AskChoice(
        io, "a) Hey.", "b) Hi, I know this is weird to ask, but have you seen me in here before?",
        "What was that?");
    if (choice == 'a') {
      Say(io, {"::John goes back to getting drinks for customers::"});
      return false;
    }
    if (choice == 'b') {
      WriteNote(io);
      return true;
    }
    return false;
  }
  if (john.GetQuestStage() == quest_stage::kWaiting) {
    Say(io, {"Why are you still here? Hurry up and get that note to Sara-Jane."});
  } else {  // the errand is done
    Say(io, {"Have you talked to Jack yet?"});
  }
  return false;
}

// Once Sara-Jane has the note, John's errand is done and Jack's is open, on every talk.
void BeforeJohn(world& game, person& john) {
  const person* saraJane = game.PersonNamed("Sara-Jane");
  if (saraJane != nullptr && saraJane->GetQuestStage() == quest_stage::kDone) {
    game.FinishErrand(john);
  }
}

// The napkin has been handed over: John waits for it to reach Sara-Jane, who now expects it.
void AfterJohn(world& game, person& john) {
  john.SetQuestStage(quest_stage::kWaiting);
  person* saraJane = game.PersonNamed("Sara-Jane");
  if (saraJane != nullptr) {
    saraJane->SetQuestStage(quest_stage::kOpen);
  }
}

}  // namespace quillmore
