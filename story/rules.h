#ifndef QUILLMORE_STORY_RULES_H_
#define QUILLMORE_STORY_RULES_H_

#include <span>
#include <string_view>

#include "story/story.h"
#include "world/happening.h"
#include "world/world.h"

namespace quillmore {

// How the story moves the world on: the errand chain, giving, the steps around a conversation,
// which branch of it holds, and the pub drinks. Each step says what it did in `log`, in order,
// and prints nothing; a person or place that a step looks for and the data files lack is
// logged, and only that step is skipped.

// The person FindNPC finds for `name`, or none, logged.
int FindStoryPerson(const world& game, std::string_view name, happenings& log);

// Opens the errand that follows the person `name` finds in the chain (errand_chain.cpp).
void AdvanceQuest(world& game, std::string_view name, happenings& log);
// The person's errand is done, and the next one of the chain open.
void FinishErrand(world& game, int someone, happenings& log);
// Takes the steps, for `someone` where a step names nobody else.
void TakeSteps(world& game, int someone, std::span<const story_step> steps, happenings& log);

// What is done before and after a conversation with `speaker`, whose role is `part`; after it
// only when it moved the story on (conversation.cpp).
void BeforeTalk(world& game, int speaker, const role& part, happenings& log);
void AfterTalk(world& game, int speaker, const role& part, happenings& log);
// Whether the branch is to be taken with the speaker as he or she stands now.
bool Holds(const condition& when, const world& game, int speaker);

// The player gives the object he names to the person he names here (giving.cpp).
void GiveObject(world& game, std::string_view objectText, std::string_view personText,
                happenings& log);
// Whether the receiver wants the object that giving would hand over: the first carried object
// whose name contains the text.
bool WantsObject(const world& game, std::string_view objectText, int receiver);

// Whether the player carries a drink from every pub (pub_drinks.cpp).
bool HasAllPubDrinks(const world& game);

}  // namespace quillmore

#endif  // QUILLMORE_STORY_RULES_H_
