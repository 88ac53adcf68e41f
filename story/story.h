#ifndef QUILLMORE_STORY_STORY_H_
#define QUILLMORE_STORY_STORY_H_

#include <span>
#include <string_view>

#include "story/conversation.h"
#include "world/person.h"
#include "world/world.h"

namespace quillmore {

// An effect of the story that reaches beyond what a person says. `who` names another person by
// exact full name, found as FindNPC finds him or her; none means the person talked to or given
// something.
enum class effect {
  kFinishErrand,  // the errand stage goes to done, and the next errand of the chain opens
  kSetQuest,      // the errand stage becomes `quest`
  kSetGift,       // the gift stage becomes `gift`
  kBringIn,       // `who` enters the room his or her role stands in
};

struct story_step {
  effect what;
  const char* who = nullptr;
  quest_stage quest = quest_stage::kIdle;
  gift_stage gift = gift_stage::kNone;
};

// The steps before a conversation are taken when `who` has reached errand stage `is`.
struct story_guard {
  const char* who = nullptr;
  quest_stage is = quest_stage::kDone;
};

// One person of the story: everything the game knows of him or her beyond the data files. A
// person whose name has no role is only a name in a room.
struct role {
  const char* name = nullptr;                   // the exact full name in people.txt
  conversation talk = {};                       // what the person says
  story_guard before = {};                      // when `beforeTalk` is taken
  std::span<const story_step> beforeTalk = {};  // before the conversation
  const char* handsOver = nullptr;              // handed to the player after a successful talk
  std::span<const story_step> afterTalk = {};   // after a successful talk and the hand-over
  const char* wants = nullptr;                  // the one object the person accepts
  std::span<const story_step> afterGift = {};   // after an accepted gift finished the errand
  const char* nextErrand = nullptr;             // whose errand opens when this one is done
  const char* standsIn = nullptr;               // where the talk or the story puts the person
  quest_stage startStage = quest_stage::kIdle;  // set when the people file is loaded
  bool outOfSight = false;                      // in no room until the story brings him or her in
  bool winsGame = false;                        // talking to this person wins the game
};

// Every role, in the story's order (cast.cpp).
std::span<const role> Cast();

// The role of the person with exactly this full name, or none.
const role* RoleOf(std::string_view name);

// What the loader is to do with a person of the people file.
entrance EntranceOf(std::string_view name);

}  // namespace quillmore

#endif  // QUILLMORE_STORY_STORY_H_
