#ifndef QUILLMORE_STORY_STORY_H_
#define QUILLMORE_STORY_STORY_H_

#include <string>

#include "world/person.h"

namespace quillmore {

class console;
class world;

// A conversation script: what a person says, given his or her stages, and the question he or she
// may put to the player. Returns whether the story step it guards has just happened.
using script = bool (*)(person& speaker, console& io);
// An effect of the story that reaches beyond the person spoken to or given something.
using story_step = void (*)(world& game, person& someone);

// One person of the story: everything the game knows of him or her beyond the data files. A
// person whose name has no role is only a name in a room.
struct role {
  const char* name = nullptr;                   // the exact full name in people.txt
  script talk = nullptr;                        // the conversation
  story_step beforeTalk = nullptr;              // before the conversation; may be none
  const char* handsOver = nullptr;              // handed to the player after a successful talk
  story_step afterTalk = nullptr;               // after a successful talk and the hand-over
  const char* wants = nullptr;                  // the one object the person accepts
  story_step afterGift = nullptr;               // after an accepted gift finished the errand
  const char* nextErrand = nullptr;             // whose errand opens when this one is done
  const char* standsIn = nullptr;               // where the talk or the story puts the person
  quest_stage startStage = quest_stage::kIdle;  // set when the people file is loaded
  bool outOfSight = false;                      // in no room until the story brings him or her in
  bool winsGame = false;                        // talking to this person wins the game
};

// The role of the person with exactly this full name, or none.
const role* RoleOf(const std::string& name);

// Every role, in the story's order.
struct cast {
  const role* first;
  const role* last;
  const role* begin() const { return first; }
  const role* end() const { return last; }
};
cast Cast();

// A story step shared by the people whose talk finishes their errand.
void FinishErrand(world& game, person& someone);

}  // namespace quillmore

#endif  // QUILLMORE_STORY_STORY_H_
