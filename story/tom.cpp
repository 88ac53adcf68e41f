#include "story/conversation.h"
#include "story/story.h"
#include "world/world.h"

namespace quillmore {
namespace {

// Tom points the player to Diarmuid, who brought him along last night.
void SendToDiarmuid(console& io) {
  Say(io,
      {"Woah, not remembering who you are is pretty bad lad. You'd want to lay off the drink for "
       "a while. ",
       "I couldn't put a face to anyone from last night, but I was out drinking with my best mate "
       "Diarmuid. ",
       "He's a right wizard with computers, works at one of the computer firms here in town, ",
       "and he was bringing along a young lad from the USA who'd been interviewing with him. "
       "That must have been you! ",
       "So Diarmuid's your man, he'll know who you are. He runs like clockwork, that fella, ",
       "he goes to the Washington Inn every single night and he should be arriving there about "
       "now."});
}

}  // namespace

// Tom wants a Guinness. Once he has the pint he can tell the player where he was last night.
bool TalkTom(person& tom, console& io) {
  if (tom.GetGiftStage() == gift_stage::kReceived) {
    Say(io, {"Nice going lad, cheers! What an upstanding fellow you are."});
    const char choice =
        AskChoice(io, "a) No problem.",
                  "b) Hey, where were you last night? I'm kind of spouting some bad amnesia "
                  "right now...and I need to find someone who knows me, because I don't.",
                  "Sorry, what was that? Speak up lad!");
    if (choice == 'a') {
      Say(io, {"::Tom smiles and begins to sip his drink::"});
      return false;
    }
    if (choice == 'b') {
      SendToDiarmuid(io);
      tom.SetGiftStage(gift_stage::kNone);
      return true;
    }
    return false;
  }
  if (tom.GetQuestStage() == quest_stage::kIdle || tom.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"I could use a Guinness..."});
  } else if (tom.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"Good luck in catching him lad! He should be at the Washington Inn."});
  }
  return false;
}

// Tom's errand is done, and Diarmuid turns up at his pub, as he does every night.
void AfterTom(world& game, person& tom) {
  game.FinishErrand(tom);
  const char* const name = "Diarmuid";
  const int diarmuid = game.FindNPC(name);
  if (diarmuid != world::kNoPerson) {
    game.PlacePersonInRoom(RoleOf(name)->standsIn, diarmuid);
  }
}

}  // namespace quillmore
