#include "story/rules.h"

namespace quillmore {

// The person comes first, then what the player carries, then what the person wants.
void GiveObject(world& game, std::string_view objectText, std::string_view personText,
                happenings& log) {
  const int receiver = game.FindPersonHere(personText);
  if (receiver == kNone) {
    log.push_back({happened::kNobodyHere});
    return;
  }
  const int item = game.FindInInventory(objectText);
  if (item == kNone) {
    log.push_back({happened::kNotCarried});
    return;
  }
  if (!WantsObject(game, objectText, receiver)) {
    log.push_back({happened::kNoUse});
    return;
  }
  game.HandTo(item, receiver);
  game.SetGiftStage(receiver, gift_stage::kReceived);
  log.push_back({happened::kGave, receiver});
  FinishErrand(game, receiver, log);
  const role* part = RoleOf(game, game.PersonAt(receiver).name);
  TakeSteps(game, receiver, part->afterGift, log);
}

// The typed name stands for the very object that giving would hand over.
bool WantsObject(const world& game, std::string_view objectText, int receiver) {
  const int item = game.FindInInventory(objectText);
  const role* part = RoleOf(game, game.PersonAt(receiver).name);
  return item != kNone && part != nullptr && part->wants != nullptr &&
         game.ObjectAt(item).name == part->wants &&
         (!part->wantsOnceOpen || game.QuestStage(receiver) == quest_stage::kOpen);
}

}  // namespace quillmore
