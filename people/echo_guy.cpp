#include "people/speech.h"
#include "world/person.h"

// The Echo guy sells the evening paper, for euro only: the player's coins are British.
bool person::TalkEchoGuy() {
  Say({"Hello, would you like to buy an issue of the Evening Echo?"});
  const char choice = AskChoice("a) Yes please.", "b) No, that's ok.", "Sorry, what was that?");
  if (choice == 'a') {
    Say({"Sorry, you need euro to buy a paper."});
    return false;
  }
  if (choice == 'b') {
    Say({"All right. Cheers."});
  }
  return false;
}
