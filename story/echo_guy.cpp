#include "story/conversation.h"

namespace quillmore {

// The Echo guy sells the evening paper, for euro only: the player's coins are British.
bool TalkEchoGuy(person& /*echoGuy*/, console& io) {
  Say(io, {"Hello, would you like to buy an issue of the Evening Echo?"});
  const char choice = AskChoice(io, "a) Yes please.", "b) No, that's ok.", "Sorry, what was that?");
  if (choice == 'a') {
    Say(io, {"Sorry, you need euro to buy a paper."});
    return false;
  }
  if (choice == 'b') {
    Say(io, {"All right. Cheers."});
  }
  return false;
}

}  // namespace quillmore
