#include "story/conversation.h"

namespace quillmore {

// The couple on the blanket are far too busy with each other to answer.
bool TalkCouple(person& /*couple*/, console& io) {
  SayLine(io,
          {"(The couple, lying on a blanket under a tree, seem to have not heard you and continue "
           "making out. "});
  Say(io, {"Maybe we should leave them to their privacy...)"});
  return false;
}

}  // namespace quillmore
