#include "people/speech.h"
#include "world/person.h"

// The street performer drums up a crowd for his show.
bool person::TalkPerformer() {
  Say({"Yo man, come watch our fantastic show!"});
  return false;
}
