#include "story/conversation.h"

namespace quillmore {
namespace {

void TellLifeStory(console& io) {
  Say(io,
      {"**...As you continue listening to the story of your life, you find out that you're from "
       "the USA, ",
       "but that for the last while you've been living and working in Dublin. ",
       "You've travelled all around Ireland and across mainland Europe, ",
       "most recently with a stop in London just before your trip down to Cork. ",
       "You always liked Cork better than Dublin, so you took some time off work and came down "
       "on the train for a job interview with a computer company. ",
       "The interview went well, and afterwards you and Diarmuid headed off to find a pub and "
       "get to know each other a bit. ",
       "Along the way you ran into his old drinking buddy, Tom, and one pint led to another. ",
       "Somewhere in the course of the night the two of you went your separate ways. ",
       "By rights you should have walked back out the Western Road to your hostel, ",
       "but how you ended up waking in the park instead, ",
       "nobody can say. That part of the night stays a mystery."});
}

void TellEnding(console& io) {
  Say(io,
      {"This new information you hear triggers something in your brain, and suddenly the "
       "memories come flowing back. ",
       "Relaxed at finally knowing who you are again, you pull up a stool beside Diarmuid. ",
       "You spend the rest of the evening laughing and drinking with him in the Washington Inn, ",
       "taking care, this time, not to overdo the drinks."});
}

}  // namespace

// Diarmuid interviewed the player yesterday and tells him who he is. The game is won after this
// talk, whatever it returns.
bool TalkDiarmuid(person& diarmuid, console& io) {
  if (diarmuid.GetQuestStage() == quest_stage::kOpen) {
    Say(io, {"Daniel! How are you doing, boy? ::snickers:: You look like you slept in a gutter."});
  }
  Say(io,
      {"What? Amnesia? You woke up in the park? Wow, we really must have had some night, huh. ",
       "You're Daniel Whitaker, and you interviewed with me for a software engineer position last "
       "night."});
  TellLifeStory(io);
  TellEnding(io);
  return false;
}

}  // namespace quillmore
