#include "story/rules.h"

namespace quillmore {

int FindStoryPerson(const world& game, std::string_view name, happenings& log) {
  const int found = game.FindNPC(name);
  if (found == kNone) {
    log.push_back({happened::kNoSuchPerson});
  }
  return found;
}

// The roles say whose errand opens when another's is done.
void AdvanceQuest(world& game, std::string_view name, happenings& log) {
  const int done = FindStoryPerson(game, name, log);
  if (done != kNone) {
    name = game.PersonAt(done).name;
  }
  const role* part = RoleOf(game, name);
  if (part == nullptr || part->nextErrand == nullptr) {
    return;
  }
  const int next = FindStoryPerson(game, part->nextErrand, log);
  if (next != kNone) {
    game.SetQuestStage(next, quest_stage::kOpen);
  }
}

void FinishErrand(world& game, int someone, happenings& log) {
  game.SetQuestStage(someone, quest_stage::kDone);
  AdvanceQuest(game, game.PersonAt(someone).name, log);
}

namespace {

// Puts the person into the room his or her role stands in: whoever a folder's own story brings
// in has a role with a room (CheckStoryNames).
void BringIn(world& game, const char* name, int who, happenings& log) {
  const role* part = RoleOf(game, name);
  if (part == nullptr || part->standsIn == nullptr ||
      !game.PlacePersonInRoom(part->standsIn, who)) {
    log.push_back({happened::kNoSuchPlace});
  }
}

}  // namespace

void TakeSteps(world& game, int someone, std::span<const story_step> steps, happenings& log) {
  for (const story_step& step : steps) {
    const int who = step.who == nullptr ? someone : FindStoryPerson(game, step.who, log);
    if (who == kNone) {
      continue;
    }
    if (step.what == effect::kFinishErrand) {
      FinishErrand(game, who, log);
    } else if (step.what == effect::kSetQuest) {
      game.SetQuestStage(who, step.quest);
    } else if (step.what == effect::kSetGift) {
      game.SetGiftStage(who, step.gift);
    } else {
      BringIn(game, step.who, who, log);
    }
  }
}

}  // namespace quillmore
