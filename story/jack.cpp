#include "story/conversation.h"

namespace quillmore {
namespace {

void RememberTheGroup(console& io) {
  Say(io, {"Oh, you talked to John? Yeah...I took your photo. ",
           "When your friends came back to the table there were two guys and one girl, and she was "
           "an absolute stunner. ",
           "I couldn't tell you her name, but I remember her saying she went clubbing nearly every "
           "night, ",
           "and she had a whole lot of stories to tell."});
}

}  // namespace

// Jack is the regular who took the player's photo at the Well; he remembers who came with him.
bool TalkJack(person& jack, console& io) {
  if (jack.GetQuestStage() == quest_stage::kIdle) {
    Say(io, {"What."});
    return false;
  }
  if (jack.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"What?"});
    const char choice =
        AskChoice(io, "a) Nothing.",
                  "b) Do you remember me from last night? I was talking to bar tender at The "
                  "Franciscan Well, and he said you took my picture. I need to know who else was "
                  "with me that night.",
                  "Didn't hear that.");
    if (choice == 'a') {
      Say(io, {"..."});
      return false;
    }
    if (choice == 'b') {
      RememberTheGroup(io);
      return true;
    }
    return false;
  }
  if (jack.GetQuestStage() == quest_stage::kDone) {
    Say(io, {"Uh...I have stuff to do. I gave you the information I could."});
  }
  return false;
}

}  // namespace quillmore
