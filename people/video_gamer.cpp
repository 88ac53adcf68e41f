#include "people/speech.h"
#include "world/person.h"

// The video gamer never looks up from the racing game.
bool person::TalkVideoGamer() {
  Say({"Just one more race..."});
  return false;
}
