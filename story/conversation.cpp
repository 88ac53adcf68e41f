#include "story/rules.h"

namespace quillmore {

void BeforeTalk(world& game, int speaker, const role& part, happenings& log) {
  if (part.before.who == nullptr) {
    return;
  }
  const int other = FindStoryPerson(game, part.before.who, log);
  if (other != kNone && game.QuestStage(other) == part.before.is) {
    TakeSteps(game, speaker, part.beforeTalk, log);
  }
}

// The hand-over comes first; the stages change whether or not it found the object.
void AfterTalk(world& game, int speaker, const role& part, happenings& log) {
  if (part.handsOver != nullptr) {
    log.push_back(game.TakeFromPerson(part.handsOver, part.name));
  }
  TakeSteps(game, speaker, part.afterTalk, log);
}

bool Holds(const condition& when, const world& game, int speaker) {
  return (!when.gift || game.GiftStage(speaker) == *when.gift) &&
         (when.quest.Empty() || when.quest.Has(game.QuestStage(speaker)));
}

}  // namespace quillmore
