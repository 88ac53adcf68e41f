#include "people/speech.h"
#include "world/person.h"

namespace {

void RememberTheGroup() {
  Say({"Oh, you talked to John? Yeah...I took your photo. ",
       "When your friends came back to the table there were two guys and one girl, and she was "
       "an absolute stunner. ",
       "I couldn't tell you her name, but I remember her saying she went clubbing nearly every "
       "night, ",
       "and she had a whole lot of stories to tell."});
}

}  // namespace

// Jack is the regular who took the player's photo at the Well; he remembers who came with him.
bool person::TalkJack() {
  if (questStage == kQuestIdle) {
    Say({"What."});
    return false;
  }
  if (questStage == kQuestOpen) {
    Say({"What?"});
    const char choice =
        AskChoice("a) Nothing.",
                  "b) Do you remember me from last night? I was talking to bar tender at The "
                  "Franciscan Well, and he said you took my picture. I need to know who else was "
                  "with me that night.",
                  "Didn't hear that.");
    if (choice == 'a') {
      Say({"..."});
      return false;
    }
    if (choice == 'b') {
      RememberTheGroup();
      return true;
    }
    return false;
  }
  if (questStage == kQuestDone) {
    Say({"Uh...I have stuff to do. I gave you the information I could."});
  }
  return false;
}
