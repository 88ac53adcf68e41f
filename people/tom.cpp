#include "people/speech.h"
#include "world/person.h"

namespace {

// Tom points the player to Diarmuid, who brought him along last night.
void SendToDiarmuid() {
  Say(
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
bool person::TalkTom() {
  if (giftStage == kGiftReceived) {
    Say({"Nice going lad, cheers! What an upstanding fellow you are."});
    const char choice =
        AskChoice("a) No problem.",
                  "b) Hey, where were you last night? I'm kind of spouting some bad amnesia "
                  "right now...and I need to find someone who knows me, because I don't.",
                  "Sorry, what was that? Speak up lad!");
    if (choice == 'a') {
      Say({"::Tom smiles and begins to sip his drink::"});
      return false;
    }
    if (choice == 'b') {
      SendToDiarmuid();
      giftStage = kGiftNone;
      return true;
    }
    return false;
  }
  if (questStage == kQuestIdle || questStage == kQuestOpen) {
    Say({"I could use a Guinness..."});
  } else if (questStage == kQuestDone) {
    Say({"Good luck in catching him lad! He should be at the Washington Inn."});
  }
  return false;
}
