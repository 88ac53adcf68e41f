#include "people/speech.h"
#include "world/person.h"

// Rory has no idea who the player is, and no wish to find out.
bool person::TalkRory() {
  Say({"::Gives you a strange look:: Who are you?"});
  return false;
}
