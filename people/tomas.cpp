#include "people/speech.h"
#include "world/person.h"

// Tomas is listening to his friends, not to the player.
bool person::TalkTomas() {
  Say({"::Listening to conversation:: Haha, that's great."});
  return false;
}
