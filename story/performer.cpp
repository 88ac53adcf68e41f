#include "story/conversation.h"

namespace quillmore {

// The street performer drums up a crowd for his show.
bool TalkPerformer(person& /*performer*/, console& io) {
  Say(io, {"Yo man, come watch our fantastic show!"});
  return false;
}

}  // namespace quillmore
