#include "story/conversation.h"

namespace quillmore {

// Colleen is in the middle of a story at her table and does not turn round.
bool TalkColleen(person& /*colleen*/, console& io) {
  Say(io, {"::Talking to the other people at the table:: Yeah, I know, can you believe it? ",
           "And then he threw the shopping cart into the river! "});
  return false;
}

}  // namespace quillmore
