#include "people/speech.h"
#include "world/person.h"

// Colleen is in the middle of a story at her table and does not turn round.
bool person::TalkColleen() {
  Say({"::Talking to the other people at the table:: Yeah, I know, can you believe it? ",
       "And then he threw the shopping cart into the river! "});
  return false;
}
