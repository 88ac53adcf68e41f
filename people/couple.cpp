#include "people/speech.h"
#include "world/person.h"

// The couple on the blanket are far too busy with each other to answer.
bool person::TalkCouple() {
  SayLine(
      {"(The couple, lying on a blanket under a tree, seem to have not heard you and continue "
       "making out. "});
  Say({"Maybe we should leave them to their privacy...)"});
  return false;
}
