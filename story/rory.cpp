#include "story/conversation.h"

namespace quillmore {

// Rory has no idea who the player is, and no wish to find out.
bool TalkRory(person& /*rory*/, console& io) {
  Say(io, {"::Gives you a strange look:: Who are you?"});
  return false;
}

}  // namespace quillmore
