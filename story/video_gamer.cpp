#include "story/conversation.h"

namespace quillmore {

// The video gamer never looks up from the racing game.
bool TalkVideoGamer(person& /*videoGamer*/, console& io) {
  Say(io, {"Just one more race..."});
  return false;
}

}  // namespace quillmore
