#include "story/conversation.h"

namespace quillmore {

// Liam the drunk holds up the bar and wants the young people to mind their manners.
bool TalkLiam(person& /*liam*/, console& io) {
  Say(io, {"Oh look, another young man. Do you pay respect to your elders? Because ",
           "back in my young days, young bar tenders like that pup behind the bar here ",
           "had a lot more respect for their elders, so they did."});
  const char choice = AskChoice(io, "a) Oh, of course.", "b) You're drunk, I don't respect you.",
                                "What did you say? I didn't catch that.");
  if (choice == 'a') {
    Say(io, {"Good, at least someone has some sense around here. You're a good lad. "});
    return false;
  }
  if (choice == 'b') {
    Say(io, {"Well, feck you!"});
  }
  return false;
}

}  // namespace quillmore
