#ifndef QUILLMORE_STORY_STORY_H_
#define QUILLMORE_STORY_STORY_H_

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "story/conversation.h"
#include "world/city_map.h"
#include "world/load_report.h"
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
// person whose name has no role is only a name in a room. The texts belong to the story.
struct role {
  const char* name = nullptr;                   // the exact full name in people.txt
  conversation talk = {};                       // what the person says
  story_guard before = {};                      // when `beforeTalk` is taken
  std::span<const story_step> beforeTalk = {};  // before the conversation
  const char* handsOver = nullptr;              // handed to the player after a successful talk
  std::span<const story_step> afterTalk = {};   // after a successful talk and the hand-over
  const char* wants = nullptr;                  // the one object the person accepts
  bool wantsOnceOpen = false;                   // and only while his or her errand is open
  std::span<const story_step> afterGift = {};   // after an accepted gift finished the errand
  const char* nextErrand = nullptr;             // whose errand opens when this one is done
  const char* standsIn = nullptr;               // where the talk or the story puts the person
  quest_stage startStage = quest_stage::kIdle;  // set when the people file is loaded
  bool outOfSight = false;                      // in no room until the story brings him or her in
  bool winsGame = false;                        // talking to this person wins the game
  int line = 0;                                 // where the person begins in story.txt
};

// An object that counts for the drinks, and the place it is collected from.
struct drink {
  std::string name;
  std::string from;
  int line = 0;
};

// A name the story uses, where, and how it is to be found: a place or person as the first
// record whose name contains it, an object as the first carried or held whose name contains it,
// a person or object by the exact full name, or a person the story brings in, who needs a role
// that stands somewhere.
enum class name_kind { kPlace, kPerson, kObject, kWholePerson, kWholeObject, kBroughtIn };
struct name_use {
  name_kind kind;
  std::string text;
  int line;
};

// The whole story as map.txt and story.txt tell it. Its records point into its own storage, so
// it is never copied: a world shares it (world::Tell).
struct story {
  story() = default;
  story(const story&) = delete;
  story& operator=(const story&) = delete;

  city_map map;
  std::string opening;     // told before the first place
  std::string ending;      // told when the game is won
  std::string everyDrink;  // told after the ending when every drink is carried
  std::vector<drink> drinks;
  std::vector<role> cast;  // in the story's order
  std::vector<name_use> names;
  bool ownMap = false;    // map.txt came from the folder, not from the built-in story
  bool ownStory = false;  // and story.txt

  // The role of the person with exactly this full name, or none.
  const role* RoleOf(std::string_view name) const;

  // Where the records' texts and tables live.
  std::deque<std::string> texts;
  std::deque<question> questions;
  std::deque<std::vector<branch>> talks;
  std::deque<std::vector<story_step>> steps;
};

// Reads the text of story.txt (quillmore-story(5)) into `into`, each line that cannot be read
// added to the report (story_file.cpp).
void ReadStory(std::string_view text, story& into, load_report& report);

// Adds to the report every name of a folder's own story that the loaded world lacks, and every
// person of the story that no record of people.txt has (story_names.cpp).
void CheckStoryNames(const world& game, const story& told, load_report& report);

// The story the world is told, its roles, and the role of a person by exact full name: none
// when the world has no story or the person no role.
std::span<const role> Cast(const world& game);
const role* RoleOf(const world& game, std::string_view name);

// What the loader is to do with a person of the people file.
entrance EntranceOf(const story& told, std::string_view name);

}  // namespace quillmore

#endif  // QUILLMORE_STORY_STORY_H_
