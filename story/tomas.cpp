#include "story/conversation.h"

namespace quillmore {

// Tomas is listening to his friends, not to the player.
bool TalkTomas(person& /*tomas*/, console& io) {
  Say(io, {"::Listening to conversation:: Haha, that's great."});
  return false;
}

}  // namespace quillmore
